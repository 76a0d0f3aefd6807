#pragma once

#include <cstdint>
#include <limits>

namespace vh {

// Money and clock sums are worked out in 64 bits and kept within the 32-bit
// fields they are stored in.
constexpr std::int32_t clampToInt32(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

// What a game is worth: cube value x bet x kind of win (1, 2 or 3).
constexpr std::int32_t stake(std::int32_t cubeValue, std::int32_t bet, std::int32_t kind) {
    return clampToInt32(static_cast<std::int64_t>(cubeValue) * bet * kind);
}

// Seconds as milliseconds, kept within 32 unsigned bits.
constexpr std::uint32_t secondsToMilliseconds(std::int64_t seconds) {
    const std::int64_t ms = seconds * 1000;
    if (ms < 0) {
        return 0;
    }
    return ms > std::numeric_limits<std::uint32_t>::max()
               ? std::numeric_limits<std::uint32_t>::max()
               : static_cast<std::uint32_t>(ms);
}

} // namespace vh
