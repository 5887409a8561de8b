#pragma once

#include <cstdint>
#include <deque>

#include "platform/properties/watch.h"

namespace forms {

// The texts and pictures the history keeps, in the order their changes came: the oldest leave
// with the oldest runs, the newest with runs stepped back over and dropped.
class HeavyValues {
  public:
    std::uint64_t push(const WatchedValue& value);
    const WatchedValue& at(std::uint64_t number) const;
    std::uint64_t end() const { return dropped_ + values_.size(); }
    void dropOldest(std::uint64_t count);
    void dropFrom(std::uint64_t number);
    void clear();

  private:
    std::deque<WatchedValue> values_;
    std::uint64_t dropped_ = 0;
};

// A value as the history keeps it for each change, in eight bytes: a truth, a number or a
// colour in itself; a text or a picture by its number among the heavy values. Most changes a
// timer makes are numbers, and ten minutes of them are many.
class KeptValue {
  public:
    KeptValue() = default;  // false
    static KeptValue keep(const WatchedValue& value, HeavyValues& heavy);
    WatchedValue value(const HeavyValues& heavy) const;
    bool isHeavy() const;
    // Read without making the value, for one who reads many: its place among WatchedValue's
    // kinds; a number's or a whole's value; a truth's 0 or 1 and a colour's RGB.
    std::size_t index() const { return kind(); }
    double number() const;
    std::uint32_t small() const { return static_cast<std::uint32_t>(bits_ & kPayload); }
    std::uint64_t heavyNumber() const { return bits_ & kPayload; }
    bool operator==(const KeptValue& other) const = default;

  private:
    static constexpr int kKindShift = 56;
    static constexpr std::uint64_t kPayload = (std::uint64_t{1} << kKindShift) - 1;
    KeptValue(std::size_t kind, std::uint64_t payload)
        : bits_((std::uint64_t{kind} << kKindShift) | (payload & kPayload)) {}
    std::size_t kind() const { return static_cast<std::size_t>(bits_ >> kKindShift); }

    std::uint64_t bits_ = 0;
};

}  // namespace forms
