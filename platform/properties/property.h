#pragma once

#include <concepts>
#include <utility>

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

    Property(Owner* owner, const char* name, Notify notify, T initial = T{},
             Notify settle = nullptr)
        : owner_(owner),
          name_(name),
          notify_(notify),
          settle_(settle),
          value_(std::move(initial)) {}
    Property(const Property&) = delete;

    Property& operator=(const T& value) {
        if (settle_) (owner_->*settle_)();  // what is written then replaces a settled value
        if (value == value_) return *this;
        if (Watcher* w = watcher()) tell(*w, value);
        value_ = value;
        (owner_->*notify_)();
        return *this;
    }
    Property& operator=(const Property& other) { return *this = other.get(); }
    // A value of another type that converts explicitly, as an Integer does to a Single.
    template <typename U>
    requires(!std::convertible_to<const U&, T> && std::constructible_from<T, const U&>) Property&
    operator=(const U& value) {
        return *this = T(value);
    }
    template <typename U, typename O>
    Property& operator=(const Property<U, O>& other) {
        return *this = static_cast<const U&>(other);
    }

    operator const T&() const { return get(); }  // NOLINT(google-explicit-constructor)
    const T& get() const {
        if (settle_) (owner_->*settle_)();
        return value_;
    }
    const T* operator->() const { return &get(); }

    // Sets the value without telling the owner; for the owner itself, while it builds the
    // control or when the value follows from something it already shows.
    void initialise(T value) { value_ = std::move(value); }

  private:
    void tell(Watcher& w, const T& value) const {
        w.changed({owner_->watchName(), name_}, value_, value);
    }

    Owner* owner_;
    const char* name_;
    Notify notify_;
    Notify settle_;
    T value_;
};

}  // namespace forms
