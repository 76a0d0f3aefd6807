#pragma once

#include "rules/play.h"

#include <string>

namespace vh {

// A play as text: "die:from/to" per move, one space apart, "*" after a hit;
// from 24/25 is a bar, to 26/27 a bear-off; "-" for a play without moves.
// E.g. "6:23/17 5:17/12*".
std::string formatPlay(const Play& play);
void appendPlay(std::string& out, const Play& play);

} // namespace vh
