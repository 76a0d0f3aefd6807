#pragma once

#include "rules/board_position.h"

#include <cstdint>

namespace vh {

// How good a position is for one side, the judged side. Higher is better for
// it; candidates are compared by total().
struct Evaluation {
    std::int32_t race = 0;    // the opponent's pips minus the judged side's pips
    std::int32_t safety = 0;  // the judged side's safety score minus the opponent's
    std::int32_t bearOff = 0; // 2 x the checkers the judged side has borne off

    std::int64_t total() const {
        return std::int64_t{race} + std::int64_t{safety} + std::int64_t{bearOff};
    }
    friend bool operator==(const Evaluation&, const Evaluation&) = default;
};

// The static evaluation of `position` for `side`. `evalParamB` (the
// computer's second play parameter, 0 for none) scales each side's safety
// score s to s + s x evalParamB / 5 (truncated toward zero), which saturates
// at the 32-bit limits. Reads the position only, allocates nothing.
Evaluation evaluate(const BoardPosition& position, int side, std::int32_t evalParamB);

// 1000 less what the side's blots risk: for each blot, every opposing point
// within 12 pips behind it (and the opponent's bar when it can reach the
// blot) costs the hit chance at that distance times the pips the blot would
// lose plus the entry difficulty of the opponent's home board, each term
// truncated toward zero. 0 once contact is over. Scaled as described for
// evaluate().
std::int32_t safetyScore(const BoardPosition& position, int side, std::int32_t evalParamB);

// Both bars empty and every checker of side 1 at or above every checker of
// side 0 (a side with nothing on the points counts as point 0): no checker
// can hit any more.
bool contactOver(const BoardPosition& position);

// Points of the side's own home board (0-5 for side 0, 18-23 for side 1)
// that it holds with two or more checkers.
int homePointsHeld(const BoardPosition& position, int side);

} // namespace vh
