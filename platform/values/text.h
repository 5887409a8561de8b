#pragma once

#include <QString>

#include "platform/values/integer.h"

namespace forms {

using String = QString;

// Number to text: a blank stands before a non-negative number, a minus sign before a negative.
String Str(Integer number);
String Str(double number);

// The part of text starting at 1-based position start, length characters long (or to the end).
String Mid(const String& text, long long start, long long length);
String Mid(const String& text, long long start);
String Right(const String& text, long long length);
long long Len(const String& text);

inline String Mid(const String& text, Integer start, Integer length) {
    return Mid(text, start.value(), length.value());
}
inline String Right(const String& text, Integer length) {
    return Right(text, length.value());
}

// Character code to one-character text (Chr(10) is a line feed).
String Chr(int code);

}  // namespace forms
