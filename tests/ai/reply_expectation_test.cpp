#include "ai/reply_expectation.h"
#include "rules/move_generator.h"
#include "rules/side.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"
#include "tests/support/reference_search.h"

#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

// The expectation over the opponent's 36 rolls, compared with the plain
// search that generates and orders every roll's list in full.
TEST(ReplyExpectation, SameValueAsOrderingEveryRollInFull) {
    auto list = std::make_unique<PlayList>();
    EvaluationCache cache;
    const std::int32_t params[] = {0, 0, 2, -3, 4000};
    std::vector<test::ReferenceSearch> plain;
    for (const std::int32_t paramB : params) {
        plain.emplace_back(2, paramB);
    }
    int index = 0;
    int belowSentinel = 0;
    std::int64_t remembered = 0;
    for (RollCase& c : test::randomCases(240, 17)) {
        const std::size_t which = static_cast<std::size_t>(index++) % std::size(params);
        const std::int32_t paramB = params[which];
        const BoardPosition before = c.position;
        SearchStatistics statistics;
        const Evaluation fast =
            expectedBestReply(*list, cache, c.position, c.side, paramB, statistics);
        ASSERT_TRUE(samePlacement(c.position, before)) << "the working position is restored";
        bool expanded = false;
        const Evaluation expected = plain[which].node(c.position, c.side, 1, expanded);
        ASSERT_TRUE(expanded);
        ASSERT_EQ(fast, expected) << "case " << index << ", evalParamB " << paramB;
        EXPECT_LE(statistics.generations, 36);
        remembered += statistics.remembered;
        belowSentinel += fast.total() < -3000 ? 1 : 0;
    }
    // An average below the no-play total is only reached when playable rolls
    // count for less than a roll without a play.
    EXPECT_GE(belowSentinel, 3) << "rolls worth less than the no-play value are covered";
    EXPECT_GT(remembered, 1000) << "positions reached again are taken from the cache";
}

TEST(ReplyExpectation, RollsWithoutAPlayCountAsTheNoPlayValue) {
    // Side 0 has two checkers on the bar and side 1 has closed its whole home
    // board: no roll can be played.
    const BoardPosition closed = test::placedPosition("18=-2 19=-2 20=-2 21=-2 22=-2 23=-2 24=2");
    auto list = std::make_unique<PlayList>();
    EvaluationCache cache;
    BoardPosition position = closed;
    SearchStatistics statistics;
    EXPECT_EQ(expectedBestReply(*list, cache, position, PLAYER_ONE, 0, statistics), kNoPlayValue);
    EXPECT_EQ(statistics.evaluations, 0);
}

} // namespace
} // namespace vh
