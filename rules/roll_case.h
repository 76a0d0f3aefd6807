#pragma once

#include "rules/board_position.h"
#include "rules/board_record.h"
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

// The board an engine or a stage starts from for the case: its position and
// dice, cube at 1, nothing highlighted.
inline BoardRecord boardFor(const RollCase& rollCase) {
    BoardRecord board;
    board.position = rollCase.position;
    board.die1 = rollCase.die1;
    board.die2 = rollCase.die2;
    return board;
}

} // namespace vh
