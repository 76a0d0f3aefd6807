#pragma once

#include "ai/engine_seat.h"
#include "rules/match_state.h"
#include "rules/play_list.h"

#include <array>
#include <cstdint>

namespace vh {

// How a match between two engine seats ended.
struct EngineMatchResult {
    int winner = 0;
    int games = 0;
    MatchState final; // the score at its end
};

// Plays a match to `length` points (1 to MatchEquityTable::kLongestMatch),
// seats[s] playing side s, with the cube and the Crawford rule: game g from
// the start position with the dice of streamSeed(diceSeed, g), at the score
// the games before it left, each as playMoneyGame plays it.
EngineMatchResult playEngineMatch(const std::array<EngineSeat*, 2>& seats, int length,
                                  std::uint64_t diceSeed, std::uint32_t budgetMs, PlayList& list);

} // namespace vh
