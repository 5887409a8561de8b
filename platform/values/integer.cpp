#include "platform/values/integer.h"

#include <cmath>

#include "platform/values/errors.h"

namespace forms {

namespace {

Integer checked(long long value) {
    if (value < Integer::kMin || value > Integer::kMax) raiseError(kOverflow);
    return Integer(static_cast<int>(value));
}

}  // namespace

Integer::Integer(int value) : value_(static_cast<std::int16_t>(value)) {
    if (value < kMin || value > kMax) raiseError(kOverflow);
}

Integer operator+(Integer a, Integer b) {
    return checked(a.value_ + b.value_);
}
Integer operator-(Integer a, Integer b) {
    return checked(a.value_ - b.value_);
}
Integer operator*(Integer a, Integer b) {
    return checked(a.value_ * b.value_);
}
Integer operator+(Integer a, int b) {
    return checked(a.value_ + static_cast<long long>(b));
}
Integer operator-(Integer a, int b) {
    return checked(a.value_ - static_cast<long long>(b));
}
Integer operator*(Integer a, int b) {
    return checked(a.value_ * static_cast<long long>(b));
}
Integer operator-(Integer a) {
    return checked(-static_cast<long long>(a.value_));
}

Integer Abs(Integer a) {
    return a.value() < 0 ? -a : a;
}

Integer CInt(double value) {
    if (!std::isfinite(value) || value < Integer::kMin - 0.5 || value >= Integer::kMax + 0.5)
        raiseError(kOverflow);
    // nearbyint rounds with the current mode, which is to nearest, halves to even.
    return checked(static_cast<long long>(std::nearbyint(value)));
}

}  // namespace forms
