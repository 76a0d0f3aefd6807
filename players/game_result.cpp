#include "players/game_result.h"

namespace vh {

int GameResult::sideOf(std::string_view name) const {
    for (int side = 0; side < 2; ++side) {
        if (names[static_cast<std::size_t>(side)] == name) {
            return side;
        }
    }
    return -1;
}

bool isOlderThan(const GameResult& game, const GameResult& other) {
    if (game.year != other.year) {
        return game.year < other.year;
    }
    if (game.month != other.month) {
        return game.month < other.month;
    }
    if (game.day != other.day) {
        return game.day < other.day;
    }
    return game.startTime < other.startTime;
}

std::int32_t durationBetween(std::uint32_t startTime, std::uint32_t endTime) {
    return static_cast<std::int32_t>(endTime - startTime);
}

} // namespace vh
