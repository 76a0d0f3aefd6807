#pragma once

#include "rules/checker_move.h"

#include <array>
#include <cstdint>

namespace vh {

inline constexpr int kMaxMovesPerPlay = 4;

// The movement of one whole turn: moves[0..count-1] in the order they are made.
struct Play {
    std::int32_t count = 0;
    std::array<CheckerMove, kMaxMovesPerPlay> moves;
};

// Copies count and the first count moves; the unused slots of `to` keep what
// they held.
inline void copyPlay(Play& to, const Play& from) {
    to.count = from.count;
    for (std::int32_t i = 0; i < from.count; ++i) {
        to.moves[static_cast<std::size_t>(i)] = from.moves[static_cast<std::size_t>(i)];
    }
}

// Same moves in the same order (hit flags included).
bool samePlay(const Play& a, const Play& b);

} // namespace vh
