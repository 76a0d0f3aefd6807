#pragma once

#include "rules/board_position.h"
#include "rules/move_generator.h"

#include <string>
#include <vector>

namespace vh::cli {

// One case of a batch file: a position, the side to move and its roll.
struct RollCase {
    BoardPosition position;
    int side = 0;
    int die1 = 1;
    int die2 = 1;
    DiceUsed used{};
};

// Reads a batch file of lines "S D1 D2 | P"; blank lines and lines starting
// with '#' are skipped. A bad line is a CliError naming the file and line.
std::vector<RollCase> readBatchCases(const std::string& path);

} // namespace vh::cli
