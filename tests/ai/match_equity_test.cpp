#include "ai/match_equity.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

// Values worked out by hand from the recursion, with and without gammons.
TEST(MatchEquity, FollowsTheRecursionOverTheScore) {
    const MatchEquityTable plain(0.0);
    const MatchEquityTable usual(0.2);
    const struct {
        const MatchEquityTable& table;
        int away;
        int otherAway;
        double chance;
    } cases[] = {
        {plain, 2, 2, 0.5},   {plain, 1, 2, 0.75}, // Crawford: the trailer needs both games
        {plain, 3, 2, 0.375}, {usual, 1, 2, 0.70}, // the trailer's gammon wins it outright
        {usual, 1, 1, 0.5},   {usual, 7, 7, 0.5},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.table.beforeCrawford(c.away, c.otherAway), c.chance, 1e-12)
            << c.away << "-away against " << c.otherAway << "-away";
    }
    // Post-Crawford the trailer's doubled games count two: 3 away is 2 away's half.
    EXPECT_NEAR(plain.postCrawford(3, 1), 0.25, 1e-12);
    EXPECT_NEAR(plain.postCrawford(1, 2), 0.5, 1e-12);
}

TEST(MatchEquity, TheTwoSidesShareEachScoreAndNeedingMoreNeverHelps) {
    const MatchEquityTable table;
    constexpr int kLongest = MatchEquityTable::kLongestMatch;
    for (int away = 1; away <= kLongest; ++away) {
        for (int other = 1; other <= kLongest; ++other) {
            EXPECT_NEAR(table.beforeCrawford(away, other) + table.beforeCrawford(other, away), 1.0,
                        1e-12);
            if (away < kLongest) {
                EXPECT_GT(table.beforeCrawford(away, other), table.beforeCrawford(away + 1, other));
            }
        }
    }
    EXPECT_THROW(table.beforeCrawford(0, 3), std::out_of_range);
    EXPECT_THROW(table.postCrawford(2, 3), std::out_of_range);
}

} // namespace
} // namespace vh
