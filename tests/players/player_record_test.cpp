#include "players/player_record.h"
#include "tests/players/player_fixtures.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

using test::makeGame;
using test::onDate;

TEST(PlayerRecord, TotalsCountTheGamesThatNameThePlayerWhateverTheFileSaid) {
    GameResult rich = makeGame("Ann", "Bob", 1, 2000000000);
    rich.duration = 2000000000;
    const std::int32_t kMax = 2147483647;
    const struct {
        const char* what;
        std::vector<GameResult> history;
        std::array<std::int32_t, 5> cashPlayedWonLostTime;
    } cases[] = {
        {"one hundred plus the money of every game",
         {makeGame("Ann", "Milo Finch", 1, 10), makeGame("Priya Nair", "Ann", 1, 20),
          makeGame("Ann", "Bob", 1, 5)},
         {95, 3, 2, 1, 3 * 600000}},
        {"a game without the player stays but counts for nothing",
         {makeGame("Ann", "Bob", 0, 10), makeGame("Cleo", "Dan", 1, 1000)},
         {90, 1, 0, 1, 600000}},
        {"totals stop at the limits of 32 bits", {rich, rich}, {kMax, 2, 2, 0, kMax}},
    };
    for (const auto& c : cases) {
        PlayerRecord record;
        record.name = "Ann";
        record.cash = 5000; // whatever a file said
        record.history = c.history;
        record.recomputeTotals();
        EXPECT_EQ(record.historyCount(), static_cast<int>(c.history.size())) << c.what;
        EXPECT_EQ((std::array{record.cash, record.gamesPlayed, record.gamesWon, record.gamesLost,
                              record.totalPlayTime}),
                  c.cashPlayedWonLostTime)
            << c.what;
    }
}

TEST(PlayerRecord, OlderIsByDateThenUnsignedStartTime) {
    const GameResult base = makeGame("Ann", "Bob", 1, 1);
    const std::pair<GameResult, GameResult> olderNewer[] = {
        {onDate(base, 2023, 11, 31, 80000000, 1), onDate(base, 2024, 0, 1, 0, 1)},
        {onDate(base, 2024, 2, 30, 80000000, 1), onDate(base, 2024, 3, 1, 0, 1)},
        {onDate(base, 2024, 3, 1, 80000000, 1), onDate(base, 2024, 3, 2, 0, 1)},
        {onDate(base, 2024, 3, 2, 1000, 1), onDate(base, 2024, 3, 2, 2000, 1)},
        {onDate(base, 2024, 3, 2, 1000, 1), onDate(base, 2024, 3, 2, 0x90000000u, 1)},
    };
    for (const auto& [older, newer] : olderNewer) {
        EXPECT_TRUE(isOlderThan(older, newer)) << older.year << " " << older.startTime;
        EXPECT_FALSE(isOlderThan(newer, older)) << older.year << " " << older.startTime;
    }
}

// Newest first, ties in their order: the order of the neighbour swaps the
// history has always been sorted with.
TEST(PlayerRecord, SortingPutsTheNewestFirstAndKeepsTiesInTheirOrder) {
    // Twenty games, more than a sort handles by plain insertion, over three days.
    PlayerRecord record;
    record.name = "Ann";
    for (int game = 0; game < 20; ++game) {
        record.history.push_back(
            onDate(makeGame("Ann", std::string(1, static_cast<char>('A' + game)), 1, 1), 2024, 0,
                   1 + game % 3, 0, 1));
    }
    record.recomputeTotals();
    std::string order;
    for (const GameResult& game : record.history) {
        order += game.names[1];
    }
    EXPECT_EQ(order, "CFILORBEHKNQTADGJMPS");
}

} // namespace
} // namespace vh
