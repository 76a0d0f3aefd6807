#pragma once

#include <cstdint>

namespace vh {

// Milliseconds from a steady clock, truncated to 32 bits: the counter wraps
// after about 49.7 days, and every user of it works with unsigned differences.
std::uint32_t tickCount();

// Milliseconds from `since` to `now`, correct across one wrap of the counter.
constexpr std::uint32_t ticksBetween(std::uint32_t since, std::uint32_t now) {
    return now - since;
}

// True when `now` lies after `deadline`. Both are read as points on the
// wrapping counter, so a deadline set shortly before a wrap still works; the
// two must lie less than 2^31 ms (about 24.8 days) apart.
constexpr bool tickIsAfter(std::uint32_t now, std::uint32_t deadline) {
    return static_cast<std::int32_t>(now - deadline) > 0;
}

} // namespace vh
