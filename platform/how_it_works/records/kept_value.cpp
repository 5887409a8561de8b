#include "platform/how_it_works/records/kept_value.h"

#include <bit>

namespace forms {

std::uint64_t HeavyValues::push(const WatchedValue& value) {
    values_.push_back(value);
    return end() - 1;
}

const WatchedValue& HeavyValues::at(std::uint64_t number) const {
    return values_[static_cast<std::size_t>(number - dropped_)];
}

void HeavyValues::dropOldest(std::uint64_t count) {
    values_.erase(values_.begin(), values_.begin() + static_cast<std::ptrdiff_t>(count));
    dropped_ += count;
}

void HeavyValues::dropFrom(std::uint64_t number) {
    if (number >= end()) return;
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(number - dropped_), values_.end());
}

void HeavyValues::clear() {
    values_.clear();
    dropped_ = 0;
}

// The kinds, by their place in WatchedValue.
namespace {
enum Kind : std::size_t { Truth, Number, Whole, Text, Colour, Image };
}  // namespace

KeptValue KeptValue::keep(const WatchedValue& value, HeavyValues& heavy) {
    const std::size_t kind = value.index();
    switch (kind) {
        case Truth:
            return {kind, std::get<bool>(value) ? 1u : 0u};
        case Number:
            return {kind, std::bit_cast<std::uint32_t>(std::get<float>(value))};
        case Whole:
            return {kind, static_cast<std::uint16_t>(std::get<Integer>(value).value())};
        case Colour:
            return {kind, std::get<std::uint32_t>(value)};
        default:
            return {kind, heavy.push(value)};
    }
}

WatchedValue KeptValue::value(const HeavyValues& heavy) const {
    const std::uint32_t payload = small();
    switch (kind()) {
        case Truth:
            return payload != 0;
        case Number:
            return std::bit_cast<float>(payload);
        case Whole:
            return Integer(static_cast<std::int16_t>(payload));
        case Colour:
            return payload;
        default:
            return heavy.at(heavyNumber());
    }
}

double KeptValue::number() const {
    const std::uint32_t payload = small();
    if (kind() == Number) return std::bit_cast<float>(payload);
    if (kind() == Whole) return static_cast<std::int16_t>(payload);
    return 0;
}

bool KeptValue::isHeavy() const {
    return kind() == Text || kind() == Image;
}

}  // namespace forms
