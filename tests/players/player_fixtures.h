#pragma once

#include "players/game_result.h"
#include "players/player_record.h"
#include "tests/support/hand_bytes.h"

#include <cstdint>
#include <string>

namespace vh::test {

// A game between two named sides that side `loser` lost by `stake` dollars.
GameResult makeGame(const std::string& side0, const std::string& side1, int loser,
                    std::int32_t stake);

GameResult onDate(GameResult game, int year, int month, int day, std::uint32_t startTime,
                  std::uint32_t duration);

// Player file bytes written out by hand, with whole game records.
class StatsBytes : public HandBytes {
public:
    StatsBytes& game(const GameResult& game);
};

} // namespace vh::test
