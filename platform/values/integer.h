#pragma once

#include <compare>
#include <cstdint>

namespace forms {

using Single = float;

// Signed 16-bit whole number whose arithmetic raises run-time error 6 "Overflow" instead of
// wrapping, as the program's counters and positions expect.
class Integer {
  public:
    static constexpr int kMin = -32768;
    static constexpr int kMax = 32767;

    constexpr Integer() = default;
    Integer(int value);  // NOLINT(google-explicit-constructor): literals read as Integers

    int value() const { return value_; }
    explicit operator Single() const { return static_cast<Single>(value_); }

    friend Integer operator+(Integer a, Integer b);
    friend Integer operator-(Integer a, Integer b);
    friend Integer operator*(Integer a, Integer b);
    friend Integer operator-(Integer a);
    // A whole-number literal stays an Integer: `counter + 1` is checked Integer arithmetic.
    friend Integer operator+(Integer a, int b);
    friend Integer operator+(int a, Integer b) { return b + a; }
    friend Integer operator-(Integer a, int b);
    friend Integer operator-(int a, Integer b) { return -(b - a); }
    friend Integer operator*(Integer a, int b);
    friend Integer operator*(int a, Integer b) { return b * a; }
    friend Single operator+(Integer a, Single b) { return static_cast<Single>(a.value_) + b; }
    friend Single operator+(Single a, Integer b) { return a + static_cast<Single>(b.value_); }

    friend bool operator==(Integer a, Integer b) = default;
    friend auto operator<=>(Integer a, Integer b) = default;
    friend bool operator==(Integer a, long long b) { return a.value_ == b; }
    friend auto operator<=>(Integer a, long long b) { return a.value_ <=> b; }

  private:
    std::int16_t value_ = 0;
};

// Absolute value; Abs(-32768) overflows.
Integer Abs(Integer a);

// Single to Integer: nearest whole number, halves to even; outside the range it overflows.
Integer CInt(double value);

}  // namespace forms
