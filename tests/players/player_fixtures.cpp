#include "tests/players/player_fixtures.h"

namespace vh::test {

GameResult makeGame(const std::string& side0, const std::string& side1, int loser,
                    std::int32_t stake) {
    GameResult game;
    game.names = {side0, side1};
    game.bet = {stake, stake};
    game.stoneColour = {1, 2};
    game.lost = {loser == 0 ? 1 : 0, loser == 1 ? 1 : 0};
    game.money = {loser == 0 ? -stake : stake, loser == 1 ? -stake : stake};
    return onDate(game, 2024, 5, 17, 36000000, 600000);
}

GameResult onDate(GameResult game, int year, int month, int day, std::uint32_t startTime,
                  std::uint32_t duration) {
    game.year = year;
    game.month = month;
    game.day = day;
    game.startTime = startTime;
    game.endTime = startTime + duration;
    game.duration = static_cast<std::int32_t>(duration);
    return game;
}

StatsBytes& StatsBytes::game(const GameResult& g) {
    text(g.names[0], 32).text(g.names[1], 32);
    int32(g.isComputer[0]).int32(g.isComputer[1]).int32(g.bet[0]).int32(g.bet[1]);
    int32(g.stoneColour[0]).int32(g.stoneColour[1]).int32(g.lost[0]).int32(g.lost[1]);
    int32(g.money[0]).int32(g.money[1]).int32(g.resultKind).int32(g.cubeValue);
    int32(g.day).int32(g.month).int32(g.year).int32(g.startTime).int32(g.endTime);
    return *this;
}

} // namespace vh::test
