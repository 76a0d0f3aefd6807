#pragma once

#include "players/game_result.h"
#include "players/player_record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vh::test {

// A game between two named sides that side `loser` lost by `stake` dollars.
GameResult makeGame(const std::string& side0, const std::string& side1, int loser,
                    std::int32_t stake);

GameResult onDate(GameResult game, int year, int month, int day, std::uint32_t startTime,
                  std::uint32_t duration);

// Bytes written out by hand, without the program's writer.
class HandBytes {
public:
    HandBytes& int32(std::int64_t value);
    HandBytes& text(const std::string& text, std::size_t size);
    HandBytes& game(const GameResult& game);
    const std::vector<std::byte>& bytes() const { return bytes_; }

private:
    std::vector<std::byte> bytes_;
};

} // namespace vh::test
