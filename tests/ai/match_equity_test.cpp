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

// The chances of a game turned into match-winning chances at the score, and
// those into an equity: a certain single game is +1 or -1 at any score, and
// a gammon is worth no more than a single game where one point wins.
TEST(MatchEquity, GameChancesBecomeMatchChancesAndAnEquity) {
    const MatchEquityTable table;
    const OutcomeChances single{1, 0, 0, 0, 0};
    const OutcomeChances gammon{1, 1, 0, 0, 0};
    const OutcomeChances even{0.5f, 0, 0, 0, 0};
    const OutcomeChances lostGammon{0, 0, 0, 1, 0};
    const struct {
        const OutcomeChances& chances;
        int away;
        int otherAway;
        int cube;
        bool crawfordReached;
        double chance;
        double equity;
    } cases[] = {
        {single, 7, 7, 1, false, table.beforeCrawford(6, 7), 1.0},
        {even, 7, 7, 1, false, 0.5, 0.0},
        {gammon, 1, 1, 1, false, 1.0, 1.0},      // double match point
        {lostGammon, 3, 2, 2, false, 0.0, -1.0}, // the match is lost either way
        {single, 2, 1, 1, true, table.postCrawford(1, 1), 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.away) + "-away against " + std::to_string(c.otherAway));
        const double chance =
            matchWinningChance(table, c.chances, c.away, c.otherAway, c.cube, c.crawfordReached);
        EXPECT_NEAR(chance, c.chance, 1e-6);
        EXPECT_NEAR(equivalentEquity(table, chance, c.away, c.otherAway, c.cube, c.crawfordReached),
                    c.equity, 1e-6);
    }
}

} // namespace
} // namespace vh
