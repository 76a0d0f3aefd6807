#pragma once

#include "ai/engine_seat.h"
#include "rules/match_state.h"
#include "rules/result_kind.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vh {

// How one money game between two engine seats ended.
struct MoneyGameResult {
    int winner = 0;
    ResultKind kind = ResultKind::Single; // Single when a double was passed
    std::int64_t cube = 1;                // the cube's value when the game ended
    bool passed = false;                  // a double was refused
    int turns = 0;

    // What the winner wins: the cube times the kind of win, or the cube as
    // it was before the refused double.
    std::int64_t points() const { return passed ? cube : cube * static_cast<std::int64_t>(kind); }
};

// Milliseconds each side's engine took per play chosen.
using DecisionTimes = std::array<std::vector<double>, 2>;

// Plays one money game from the start position, seats[s] playing side s,
// with the dice and the first side from `diceSeed` alone. With the cube, a
// side that may double (cube centred or its own) is asked before it rolls,
// and a double is answered by the other seat's engine. Each play is chosen
// by an engine built for it and run on the calling thread with `budgetMs`;
// a roll that cannot be played is passed without asking the engine.
// Given a match, the game is one of it at that score: the engines know the
// score and no double is offered in the Crawford game.
MoneyGameResult playMoneyGame(const std::array<EngineSeat*, 2>& seats, std::uint64_t diceSeed,
                              bool withCube, std::uint32_t budgetMs, PlayList& list,
                              DecisionTimes* times = nullptr, const MatchState& match = {});

} // namespace vh
