#pragma once

#include "rules/board_position.h"

namespace vh {

// Three things players weigh in a contact position, seen by one side:
// - shotChance: the share of the opponent's 36 rolls that hit one of the
//   side's blots (direct and indirect shots, blocked by the side's points,
//   the opponent's bar checkers entering first);
// - escapeChance: the share of the side's 36 rolls with which its rearmost
//   checker can pass every point the opponent holds within 12 pips in
//   front of it (1 when it holds none there, 0 when the side has no checker
//   left);
// - primeLength: the side's longest run of made points, a sixth per point.
// Each depends on the position alone, so a position and its mirror image
// give each side the same figures.
struct ContactFeatures {
    float shotChance = 0.0f;
    float escapeChance = 0.0f;
    float primeLength = 0.0f;
};

ContactFeatures contactFeatures(const BoardPosition& position, int side);

} // namespace vh
