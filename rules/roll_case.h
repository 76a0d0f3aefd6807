#pragma once

#include "rules/board_position.h"
#include "rules/move_generator.h"

namespace vh {

// A position with the side to move and its roll: one case for the move
// generator or the search, as the tools, tests and benchmarks list them.
struct RollCase {
    BoardPosition position;
    int side = 0;
    int die1 = 1;
    int die2 = 1;
    DiceUsed used{};
};

} // namespace vh
