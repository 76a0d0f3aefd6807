#pragma once

#include "rules/board_position.h"
#include "rules/move_generator.h"
#include "rules/play_notation.h"

#include <string>
#include <string_view>

namespace vh::cli {

// Position notation: 28 integers separated by spaces or commas: points 0..23
// (n > 0: n checkers of side 0, -n: n checkers of side 1), the bar of side 0,
// the bar of side 1, borne off by side 0, borne off by side 1. "start" is the
// start position. Throws CliError naming what is wrong.
BoardPosition parsePosition(std::string_view text);
std::string formatPosition(const BoardPosition& position);

// A play in play notation ("6:23/17 5:17/12*", "-" for none) made from
// `position`: each move must take a checker of the moving side (the owner
// of its origin; 24 and 25 are the bars of sides 0 and 1) to a point not
// held by two or more of the other side, or to that side's tray. A move onto
// a single opposing checker is a hit whether or not it carries "*". Throws
// CliError naming the bad move.
Play parsePlay(std::string_view text, const BoardPosition& position);

// "F0,F1,F2,F3", each 0 or 1.
DiceUsed parseDiceUsed(std::string_view text);

// The board as a few lines of text, side 0 as X and side 1 as O, with the
// points numbered 1-24 from side 0's home.
std::string formatBoardText(const BoardPosition& position);

} // namespace vh::cli
