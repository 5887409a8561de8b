#pragma once

#include <concepts>
#include <utility>

#include "platform/properties/place.h"
#include "platform/properties/watch.h"

namespace forms {

// A control property that reads and writes like a field (`ball.Left = ball.Left - 100`).
// Writing the value it already holds returns at once: nothing changes and nothing repaints,
// which is what keeps the mouse effects, that re-set their properties on every move, free.
// Any other write stores the value and then tells the owner, which updates what is shown; a
// watcher, if one is set, is told first, with the owner's and the property's name.
// A property may also ask its owner to settle the value before every read, for a value the
// owner works out only when somebody needs it (an auto-sized label's size while it is hidden, a
// hidden picture not yet decoded).
template <typename T, typename Owner>
class Property {
  public:
    using Notify = void (Owner::*)();
    // Why the owner could never take a value, in plain words; empty where it could.
    using Check = QString (Owner::*)(const T&) const;

    Property(Owner* owner, const char* name, Notify notify, T initial = T{},
             Notify settle = nullptr, Check check = nullptr)
        : owner_(owner),
          name_(name),
          notify_(notify),
          settle_(settle),
          check_(check),
          value_(std::move(initial)) {}
    Property(const Property&) = delete;

    // Every write of the program's code: the value with the place of its statement.
    Property& operator=(Placed<T> value) {
        write(value.value, value.place, true);
        return *this;
    }
    Property& operator=(const Property& other) {
        write(other.get(), copyOf(other), true);
        return *this;
    }
    // A change the owner made itself, from what its widget already shows (a drag, typing, an
    // auto-size): the watcher is told as of any write, with who made it, and the owner is not
    // told back.
    void changedByOwner(const T& value, Place by) { write(value, by, false); }

    operator const T&() const { return get(); }  // NOLINT(google-explicit-constructor)
    const T& get() const {
        if (settle_) (owner_->*settle_)();
        return value_;
    }
    const T* operator->() const { return &get(); }

    // Sets the value without telling anybody; for the owner itself, only while it builds the
    // control.
    void initialise(T value) { value_ = std::move(value); }

  private:
    void write(const T& value, const Place& place, bool tellOwner) {
        if (settle_) (owner_->*settle_)();  // what is written then replaces a settled value
        if (value == value_) return;
        if (Watcher* w = watcher())
            w->changed({owner_->watchName(), name_, writeBack()}, value_, value, place);
        value_ = value;
        if (tellOwner) (owner_->*notify_)();
    }
    WriteBack writeBack() {
        return {this,
                [](void* self, const WatchedValue& value, const Place& place) {
                    if (const T* v = std::get_if<T>(&value))
                        static_cast<Property*>(self)->write(*v, place, true);
                },
                [](const void* self, const WatchedValue& value) {
                    const auto& p = *static_cast<const Property*>(self);
                    const T* v = std::get_if<T>(&value);
                    return v && p.check_ ? (p.owner_->*p.check_)(*v) : QString();
                },
                [](const void* self) -> WatchedValue {
                    return static_cast<const Property*>(self)->get();
                }};
    }
    static Place copyOf(const Property& other) {
        return {nullptr, 0, Place::By::Code, other.name_, &other.owner_->watchName()};
    }

    Owner* owner_;
    const char* name_;
    Notify notify_;
    Notify settle_;
    Check check_;
    T value_;
};

}  // namespace forms
