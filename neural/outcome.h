#pragma once

#include "rules/result_kind.h"

#include <array>

namespace vh {

// The chances of one side, each between 0 and 1: it wins; it wins a gammon
// or a backgammon; it wins a backgammon; it loses a gammon or a backgammon;
// it loses a backgammon. The network's five outputs, in this order.
inline constexpr int kOutcomeCount = 5;
enum OutcomeIndex { kWin = 0, kWinGammon, kWinBackgammon, kLoseGammon, kLoseBackgammon };
using OutcomeChances = std::array<float, kOutcomeCount>;

// The money a side expects to win per unit stake without a cube: single
// games count 1, gammons 2, backgammons 3.
float cubelessEquity(const OutcomeChances& chances);

// The same chances as the other side sees them.
OutcomeChances seenByOpponent(const OutcomeChances& chances);

// Cuts each chance into what the others allow (a gammon is a win, a
// backgammon a gammon, and 0 to 1 throughout), so that a sum of independent
// outputs reads as one distribution.
OutcomeChances consistent(const OutcomeChances& chances);

// The certain chances of a finished game for its winner.
OutcomeChances wonGame(ResultKind kind);

} // namespace vh
