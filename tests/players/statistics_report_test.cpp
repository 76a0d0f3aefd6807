#include "players/player_store.h"
#include "players/statistics_report.h"
#include "tests/players/player_fixtures.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

using test::makeGame;
using test::onDate;

constexpr std::uint32_t kHour = 3600000;
constexpr std::uint32_t kMinute = 60000;

TEST(StatisticsReportTest, DatesOnATwelveHourClock) {
    struct Case {
        int year, month, day;
        std::uint32_t start;
        const char* text;
    };
    const Case cases[] = {
        {2004, 2, 3, 14 * kHour + 5 * kMinute, "03/03/2004 02:05PM"},
        {2004, 11, 25, 30 * kMinute, "25/12/2004 00:30AM"},
        {1999, 0, 1, 12 * kHour, "01/01/1999 12:00PM"},
        {2024, 8, 10, 12 * kHour - 1000, "10/09/2024 11:59AM"},
        {2024, 9, 31, 23 * kHour + 59 * kMinute + 59999, "31/10/2024 11:59PM"},
        // A damaged player file may hold any month.
        {2004, 2147483647, 3, 0, "03/2147483648/2004 00:00AM"},
    };
    for (const Case& c : cases) {
        const GameResult game =
            onDate(makeGame("Ann", "Bob", 0, 1), c.year, c.month, c.day, c.start, 0);
        EXPECT_EQ(statisticsDate(game), c.text);
    }
}

TEST(StatisticsReportTest, RowsFromEitherSide) {
    struct Case {
        const char* player;
        int loser;
        std::int32_t stake;
        std::int32_t kind;
        StatisticsRow row; // without the date
    };
    const Case cases[] = {
        {"Ann", 0, 4, 2, {"", "Bob", "$-4", "Loss(G)"}},
        {"Bob", 0, 4, 2, {"", "Ann", "$4", "Win(G)"}},
        {"Bob", 1, 20, 3, {"", "Ann", "$-20", "Loss(B)"}},
        {"Ann", 1, 1, 1, {"", "Bob", "$1", "Win"}},
        // A name on neither side reads the second side.
        {"Cy", 0, 2, 1, {"", "Ann", "$2", "Win"}},
    };
    for (const Case& c : cases) {
        GameResult game = makeGame("Ann", "Bob", c.loser, c.stake);
        game.resultKind = c.kind;
        StatisticsRow row = statisticsRow(game, c.player);
        EXPECT_EQ(row.date, statisticsDate(game));
        row.date.clear();
        EXPECT_EQ(row, c.row) << c.player << " " << c.stake;
    }
}

TEST(StatisticsReportTest, TotalsWithPercentagesAndTheDateColumn) {
    PlayerRecord none;
    none.name = "Ann";
    none.recomputeTotals();
    EXPECT_EQ(statisticsTotals(none),
              (std::array<std::string, 4>{"Cash Total: $100", "Games Played: 0",
                                          "Games Won: 0 (0.00%)", "Games Lost: 0 (0.00%)"}));
    EXPECT_TRUE(statisticsRows(none).empty());

    PlayerRecord three = none;
    for (const int loser : {1, 1, 0, 1}) {
        three.addResult(makeGame("Ann", "Bob", loser, 5));
    }
    EXPECT_EQ(statisticsTotals(three),
              (std::array<std::string, 4>{"Cash Total: $110", "Games Played: 4",
                                          "Games Won: 3 (75.00%)", "Games Lost: 1 (25.00%)"}));
    ASSERT_EQ(statisticsRows(three).size(), 4u);

    for (const auto& [games, width] : {std::pair{0, 140}, {13, 140}, {14, 123}, {200, 123}}) {
        EXPECT_EQ(statisticsDateWidth(games), width) << games;
    }
}

TEST(StatisticsReportTest, PlayerNamesSortedWithoutCase) {
    PlayerStore store("/nonexistent/Stats.dat");
    for (const char* name : {"bob", "Anna", "ann", "Bob", "Cy"}) {
        PlayerRecord record;
        record.name = name;
        store.addPlayer(std::move(record));
    }
    EXPECT_EQ(statisticsPlayerNames(store),
              (std::vector<std::string>{"ann", "Anna", "Bob", "bob", "Cy"}));
}

} // namespace
} // namespace vh
