#pragma once

#include "rules/board_position.h"
#include "rules/play.h"

#include <string>

namespace vh {

// A play as text: "die:from/to" per move, one space apart, "*" after a hit;
// from 24/25 is a bar, to 26/27 a bear-off; "-" for a play without moves.
// E.g. "6:23/17 5:17/12*".
std::string formatPlay(const Play& play);
void appendPlay(std::string& out, const Play& play);

// A play as a backgammon player writes it, from the mover's own side: points
// 1-24 counted from its own bear-off end, "bar" and "off", "*" after a hit,
// a checker's moves joined ("24/18/13"), equal moves once with their count
// ("13/7(2)"), highest point first; "no move" for a play without moves.
std::string describePlay(const Play& play, int mover);

// Where a side's checkers stand, from its own side, highest point first:
// "bar 1, 24: 2, 13: 5, 8: 3, 6: 4, off 1"; "none" when all are off.
std::string describeCheckers(const BoardPosition& position, int side);

} // namespace vh
