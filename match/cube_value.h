#pragma once

#include <cstdint>

namespace vh {

// The doubling cube: 1, 2, 4, ... up to the largest power of two that its
// signed 32-bit field holds.
inline constexpr std::int32_t kHighestCubeValue = std::int32_t{1} << 30;

constexpr bool isCubeValue(std::int32_t value) {
    return value >= 1 && value <= kHighestCubeValue && (value & (value - 1)) == 0;
}

// The cube after an accepted double. It has no limit in play, but a field
// that would overflow keeps its highest value, which a saved game can hold.
constexpr std::int32_t doubledCube(std::int32_t value) {
    return value >= kHighestCubeValue / 2 ? kHighestCubeValue : value * 2;
}

} // namespace vh
