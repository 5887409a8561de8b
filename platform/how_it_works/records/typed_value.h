#pragma once

#include <QString>

#include "platform/properties/watch.h"

namespace forms {

// A value typed into the Watch, read as a value of the same type as `like`: a whole number,
// a number, True or False, or a text. Either the value, or why it cannot be one.
struct TypedValue {
    WatchedValue value;
    QString refusal;  // empty when the value was read
};
TypedValue readTyped(const QString& typed, const WatchedValue& like);

// The text to edit for a value: as shown, but a text without its quotes.
QString editText(const WatchedValue& value);
// Why a value of this type cannot be typed (a picture, a colour); empty where it can.
QString notTypable(const WatchedValue& value);

}  // namespace forms
