#pragma once

#include <QString>
#include <concepts>
#include <utility>

namespace forms {

// Who made a change, and where: the statement of the program's code that made it (its file
// and line, as the compiler saw them), or the user, the control itself or the runtime, or the
// one who watches, trying a value. A copy
// from another property or variable (`a = b`, a statement C++ gives no place for) carries the
// name it copied from instead, for the line to be found by.
struct Place {
    enum class By : unsigned char { Code, User, Control, Runtime, You };
    const char* file = nullptr;
    int line = 0;
    By by = By::Code;
    const char* copiedFrom = nullptr;      // the variable's or property's name, or null
    const QString* copiedOwner = nullptr;  // the property's owner ("imgGreatestAnswer"), or null

    static constexpr Place of(By by) { return {nullptr, 0, by, nullptr, nullptr}; }
};

// A value on its way into a property or variable, with the place of the statement that wrote
// it: the compiler fills in the place where the value is converted, at the assignment, so that
// `ball.Left = x;` reads as it always did.
template <typename T>
struct Placed {
    template <typename U>
    requires std::constructible_from<T, U&&> Placed(
        U&& v, const char* file = __builtin_FILE(),
        int line = __builtin_LINE())  // NOLINT(google-explicit-constructor)
        : value(std::forward<U>(v)), place{file, line, Place::By::Code, nullptr, nullptr} {}
    // Another property's or variable's value, read through its own conversion.
    template <typename U>
    requires(!std::constructible_from<T, U&&> && requires(const U& u) { T(u.get()); })
        Placed(const U& v, const char* file = __builtin_FILE(),
               int line = __builtin_LINE())  // NOLINT(google-explicit-constructor)
        : value(v.get()), place{file, line, Place::By::Code, nullptr, nullptr} {}

    T value;
    Place place;
};

}  // namespace forms
