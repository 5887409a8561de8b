#include "platform/values/text.h"

#include <cmath>

#include "platform/values/errors.h"

namespace forms {

namespace {

void requireNonNegative(long long n) {
    if (n < 0) raiseError(kInvalidCall);
}

}  // namespace

String Str(Integer number) {
    return Str(static_cast<double>(number.value()));
}

String Str(double number) {
    String digits = String::number(number, 'g', 7);
    return number < 0 ? digits : QLatin1Char(' ') + digits;
}

String Mid(const String& text, long long start, long long length) {
    if (start < 1) raiseError(kInvalidCall);
    requireNonNegative(length);
    if (start > text.size()) return {};
    return text.mid(static_cast<qsizetype>(start - 1), static_cast<qsizetype>(length));
}

String Mid(const String& text, long long start) {
    return Mid(text, start, text.size());
}

String Right(const String& text, long long length) {
    requireNonNegative(length);
    return text.right(static_cast<qsizetype>(length));
}

long long Len(const String& text) {
    return text.size();
}

String Chr(int code) {
    return String(QChar(code));
}

}  // namespace forms
