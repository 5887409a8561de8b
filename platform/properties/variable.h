#pragma once

#include <utility>

#include "platform/properties/place.h"
#include "platform/properties/watch.h"

namespace forms {

// A variable of a form's code that a watcher can follow by name: module state, declared a line
// each as `Variable<Integer> intStep{"intStep"};`, and a handler's persistent locals (Static).
// It reads and writes like the value it holds; a write that changes the value is told to the
// watcher, if one is set.
template <typename T>
class Variable {
  public:
    explicit Variable(const char* name, T initial = T{})
        : name_(name), value_(std::move(initial)) {}
    Variable(const Variable&) = default;

    Variable& operator=(Placed<T> value) { return write(value.value, value.place); }
    // Takes the other variable's value, not its name.
    Variable& operator=(const Variable& other) {
        return write(other.value_, {nullptr, 0, Place::By::Code, other.name_, nullptr});
    }

    operator const T&() const { return value_; }  // NOLINT(google-explicit-constructor)
    const T& get() const { return value_; }
    auto value() const { return value_.value(); }

  private:
    Variable& write(const T& value, const Place& place) {
        if (value == value_) return *this;
        if (Watcher* w = watcher())
            w->changed({QString(), name_, writeBack()}, value_, value, place);
        value_ = value;
        return *this;
    }
    WriteBack writeBack() {
        return {this,
                [](void* self, const WatchedValue& value, const Place& place) {
                    if (const T* v = std::get_if<T>(&value))
                        static_cast<Variable*>(self)->write(*v, place);
                },
                nullptr,
                [](const void* self) -> WatchedValue {
                    return static_cast<const Variable*>(self)->value_;
                }};
    }

    const char* name_;
    T value_;
};

}  // namespace forms
