#pragma once

#include <cstddef>

namespace vh {

// The two sides. Per-side arrays are indexed by side; any non-zero value
// counts as PLAYER_TWO where a side is tested.
inline constexpr int PLAYER_ONE = 0; // "Player 1 (Black)": moves from point 23 towards point 0
inline constexpr int PLAYER_TWO = 1; // "Player 2 (White)": moves from point 0 towards point 23

constexpr int otherSide(int side) {
    return side == 0 ? 1 : 0;
}

// The side a value stands for: PLAYER_ONE, or PLAYER_TWO for any other value.
constexpr int sideOf(int side) {
    return side == PLAYER_ONE ? PLAYER_ONE : PLAYER_TWO;
}

// The index of a side's entry in a per-side array.
constexpr std::size_t sideIndex(int side) {
    return static_cast<std::size_t>(side);
}

} // namespace vh
