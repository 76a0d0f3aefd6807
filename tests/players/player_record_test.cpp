#include "players/player_record.h"
#include "tests/players/player_fixtures.h"

#include <gtest/gtest.h>
#include <random>

namespace vh {
namespace {

using test::makeGame;
using test::onDate;

TEST(PlayerRecord, CashIsOneHundredPlusTheMoneyOfEveryGame) {
    PlayerRecord record;
    record.name = "Ann";
    record.cash = 5000; // whatever a file said
    record.history = {makeGame("Ann", "Milo Finch", 1, 10), makeGame("Priya Nair", "Ann", 1, 20),
                      makeGame("Ann", "Bob", 1, 5)};
    record.recomputeTotals();
    EXPECT_EQ(record.cash, 95);
    EXPECT_EQ(record.gamesPlayed, 3);
    EXPECT_EQ(record.gamesWon, 2);
    EXPECT_EQ(record.gamesLost, 1);
    EXPECT_EQ(record.totalPlayTime, 3 * 600000);
}

TEST(PlayerRecord, HistoryIsSortedNewestFirstByDateThenStartTime) {
    const GameResult base = makeGame("Ann", "Bob", 1, 1);
    const struct {
        const char* name;
        GameResult older;
        GameResult newer;
    } cases[] = {
        {"year", onDate(base, 2023, 11, 31, 80000000, 1), onDate(base, 2024, 0, 1, 0, 1)},
        {"month", onDate(base, 2024, 2, 30, 80000000, 1), onDate(base, 2024, 3, 1, 0, 1)},
        {"day", onDate(base, 2024, 3, 1, 80000000, 1), onDate(base, 2024, 3, 2, 0, 1)},
        {"start time", onDate(base, 2024, 3, 2, 1000, 1), onDate(base, 2024, 3, 2, 2000, 1)},
        {"start time unsigned", onDate(base, 2024, 3, 2, 1000, 1),
         onDate(base, 2024, 3, 2, 0x90000000u, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlayerRecord record;
        record.name = "Ann";
        record.history = {c.older, c.newer};
        record.recomputeTotals();
        EXPECT_EQ(record.history[0], c.newer);
        EXPECT_EQ(record.history[1], c.older);
        EXPECT_TRUE(isOlderThan(c.older, c.newer));
        EXPECT_FALSE(isOlderThan(c.newer, c.older));
    }
}

TEST(PlayerRecord, GamesWithEqualDateAndStartKeepTheirOrder) {
    PlayerRecord record;
    record.name = "Ann";
    GameResult first = onDate(makeGame("Ann", "Bob", 1, 1), 2024, 1, 1, 5000, 10);
    GameResult second = onDate(makeGame("Ann", "Cleo", 0, 2), 2024, 1, 1, 5000, 99);
    GameResult later = onDate(makeGame("Ann", "Dan", 0, 3), 2024, 1, 1, 9000, 10);
    record.history = {first, second, later};
    record.recomputeTotals();
    EXPECT_EQ(record.history, (std::vector<GameResult>{later, first, second}));
}

// The order of repeated passes of neighbour swaps, as the history has always
// been sorted.
std::vector<GameResult> bubbleSorted(std::vector<GameResult> games) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (std::size_t index = 0; index + 1 < games.size(); ++index) {
            if (isOlderThan(games[index], games[index + 1])) {
                std::swap(games[index], games[index + 1]);
                swapped = true;
            }
        }
    }
    return games;
}

TEST(PlayerRecord, SortingGivesTheOrderOfNeighbourSwapping) {
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        PlayerRecord record;
        record.name = "Ann";
        const int count = static_cast<int>(random() % 30);
        for (int game = 0; game < count; ++game) {
            // Few distinct keys, so that ties are common.
            GameResult result = makeGame("Ann", "Opponent" + std::to_string(game), 1, 1);
            record.history.push_back(
                onDate(result, 2020 + static_cast<int>(random() % 2),
                       static_cast<int>(random() % 2), 1 + static_cast<int>(random() % 2),
                       static_cast<std::uint32_t>(random() % 3) * 0x60000000u, 1));
        }
        const std::vector<GameResult> expected = bubbleSorted(record.history);
        record.recomputeTotals();
        ASSERT_EQ(record.history, expected) << "round " << round;
    }
}

TEST(PlayerRecord, AGameAcrossMidnightLastsTheTimeBetween) {
    // Begun at 23:50, ended at 00:10: the game-end code sets startTime =
    // endTime - duration in unsigned arithmetic, which wraps below midnight.
    const std::uint32_t tenPastMidnight = 10u * 60 * 1000;
    const std::uint32_t start = tenPastMidnight - 20u * 60 * 1000;
    EXPECT_GT(start, tenPastMidnight);
    EXPECT_EQ(durationBetween(start, tenPastMidnight), 20 * 60 * 1000);
    EXPECT_EQ(durationBetween(1000, 61000), 60000);
}

TEST(PlayerRecord, AGameThatDoesNotNameThePlayerStaysButCountsForNothing) {
    PlayerRecord record;
    record.name = "Ann";
    record.history = {makeGame("Ann", "Bob", 0, 10), makeGame("Cleo", "Dan", 1, 1000)};
    record.recomputeTotals();
    EXPECT_EQ(record.historyCount(), 2);
    EXPECT_EQ(record.gamesPlayed, 1);
    EXPECT_EQ(record.gamesLost, 1);
    EXPECT_EQ(record.gamesWon, 0);
    EXPECT_EQ(record.cash, 90);
    EXPECT_EQ(record.totalPlayTime, 600000);
}

TEST(PlayerRecord, TotalsStopAtTheLimitsOf32Bits) {
    PlayerRecord record;
    record.name = "Ann";
    GameResult rich = makeGame("Ann", "Bob", 1, 2000000000);
    rich.duration = 2000000000;
    record.history = {rich, rich};
    record.recomputeTotals();
    EXPECT_EQ(record.cash, 2147483647);
    EXPECT_EQ(record.totalPlayTime, 2147483647);
}

TEST(PlayerRecord, AddResultFilesAtTheHeadAndResultAtIsBounded) {
    PlayerRecord record;
    record.name = "Ann";
    record.addResult(onDate(makeGame("Ann", "Bob", 1, 3), 2024, 1, 1, 0, 5));
    record.addResult(onDate(makeGame("Ann", "Cleo", 0, 4), 2024, 1, 2, 0, 5));
    EXPECT_EQ(record.historyCount(), 2);
    ASSERT_NE(record.resultAt(0), nullptr);
    EXPECT_EQ(record.resultAt(0)->names[1], "Cleo");
    EXPECT_EQ(record.resultAt(1)->names[1], "Bob");
    EXPECT_EQ(record.resultAt(2), nullptr);
    EXPECT_EQ(record.resultAt(-1), nullptr);
    EXPECT_EQ(record.cash, 99);
}

} // namespace
} // namespace vh
