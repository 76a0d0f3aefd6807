#include "ai/lookahead_engine.h"
#include "rules/side.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

// A race without contact: side 0 on points 0-11, side 1 on points 12-23, each
// with `onBoard` checkers making up exactly `pips`; the rest borne off.
BoardPosition race(int pips0, int onBoard0, int pips1, int onBoard1) {
    BoardPosition position = positionFromSignedCounts({});
    const auto place = [&](int side, int pips, int checkers) {
        EXPECT_TRUE(checkers <= pips && pips <= 12 * checkers) << pips << " pips, " << checkers;
        for (int checker = 0; checker < checkers; ++checker) {
            // Spread the pips evenly: each checker 1 to 12 pips from home.
            const int distance = pips / checkers + (checker < pips % checkers ? 1 : 0);
            const int point = side == PLAYER_ONE ? distance - 1 : kPointCount - distance;
            position[point].owner = side;
            ++position[point].count;
        }
        position[offEntry(side)].count = kCheckersPerSide - checkers;
    };
    place(PLAYER_ONE, pips0, onBoard0);
    place(PLAYER_TWO, pips1, onBoard1);
    return position;
}

struct DoublingCase {
    const char* name;
    std::int32_t caution;
    int myPips;
    int myCheckers;
    int theirPips;
    int theirCheckers;
    bool offer;
    bool accept;
};

// In a race the evaluation difference is 2 x lead + 2 x (my borne-off - theirs).
// Offer: lead > 20 + 3c, else 2 x lead + 2 x d > 40 + 3c.
// Accept: lead > -20 + 3c, else 2 x lead + 2 x d > 3c.
const DoublingCase kDoublingCases[] = {
    {"caution 0, lead 21 doubles at once", 0, 100, 15, 121, 15, true, true},
    {"caution 0, lead 20 does not", 0, 100, 15, 120, 15, false, true},
    {"caution 0, lead 20 and one more off doubles", 0, 100, 14, 120, 15, true, true},
    {"caution 0, lead 10 and 10 more off does not", 0, 50, 5, 60, 15, false, true},
    {"caution 0, lead 10 and 11 more off doubles", 0, 40, 4, 50, 15, true, true},
    {"caution 0, trailing by 19 accepts", 0, 119, 15, 100, 15, false, true},
    {"caution 0, trailing by 20 declines", 0, 120, 15, 100, 15, false, false},
    {"caution 0, level race", 0, 90, 15, 90, 15, false, true},
    {"caution 5, lead 36 doubles at once", 5, 40, 15, 76, 7, true, true},
    {"caution 5, lead 35 with 8 fewer off does not", 5, 40, 15, 75, 7, false, true},
    {"caution 5, lead 20 and 8 more off doubles", 5, 40, 7, 60, 15, true, true},
    {"caution 5, lead 20 and 7 more off does not", 5, 40, 8, 60, 15, false, true},
    {"caution 5, trailing by 4 accepts", 5, 104, 15, 100, 15, false, true},
    {"caution 5, trailing by 5 declines", 5, 105, 15, 100, 15, false, false},
    {"caution 5, trailing by 5 with 13 more off accepts", 5, 20, 2, 15, 15, false, true},
    {"caution 5, trailing by 5 with 12 more off declines", 5, 20, 3, 15, 15, false, false},
};

TEST(Doubling, ThresholdsAtAndAroundEachBoundary) {
    for (const DoublingCase& c : kDoublingCases) {
        SCOPED_TRACE(c.name);
        for (const int me : {PLAYER_ONE, PLAYER_TWO}) {
            SCOPED_TRACE(me);
            const BoardPosition position =
                me == PLAYER_ONE ? race(c.myPips, c.myCheckers, c.theirPips, c.theirCheckers)
                                 : race(c.theirPips, c.theirCheckers, c.myPips, c.myCheckers);
            ASSERT_EQ(static_cast<int>(pipCount(position, me)), c.myPips);
            ASSERT_EQ(static_cast<int>(pipCount(position, otherSide(me))), c.theirPips);
            BoardRecord board;
            board.position = position;
            const LookaheadEngine engine({2001, c.caution, 0}, board, me, 1000,
                                         EngineTask::AnswerDouble);
            EXPECT_EQ(engine.shouldOfferDouble(position), c.offer);
            EXPECT_EQ(engine.acceptDouble(position), c.accept);
        }
    }
}

// Outside races the decisions compare evaluation totals; check the rule on
// positions with contact against the evaluation itself.
TEST(Doubling, FollowsTheEvaluationWhenTheRaceDoesNotDecide) {
    int offers = 0;
    int accepts = 0;
    int decidedByEvaluation = 0;
    for (const RollCase& c : test::randomCases(900, 31)) {
        for (const std::int32_t caution : {-4, 0, 5}) {
            const std::int32_t paramB = caution == 5 ? 2 : 0;
            BoardRecord board;
            board.position = c.position;
            const LookaheadEngine engine({1501, caution, paramB}, board, c.side, 1000);
            // The engine's race count has the bar at 24 pips.
            const int other = otherSide(c.side);
            const std::int64_t mine =
                pipCount(c.position, c.side) - c.position[barEntry(c.side)].count;
            const std::int64_t theirs =
                pipCount(c.position, other) - c.position[barEntry(other)].count;
            const std::int64_t myTotal = evaluate(c.position, c.side, paramB).total();
            const std::int64_t theirTotal = evaluate(c.position, otherSide(c.side), paramB).total();
            const bool offer =
                theirs - 3 * caution - 20 > mine || myTotal > theirTotal + 3 * caution + 40;
            const bool accept =
                theirs - 3 * caution + 20 > mine || myTotal > theirTotal + 3 * caution;
            ASSERT_EQ(engine.shouldOfferDouble(c.position), offer);
            ASSERT_EQ(engine.acceptDouble(c.position), accept);
            offers += offer ? 1 : 0;
            accepts += accept ? 1 : 0;
            decidedByEvaluation += !(theirs - 3 * caution + 20 > mine) && accept ? 1 : 0;
        }
    }
    EXPECT_GT(offers, 100);
    EXPECT_GT(accepts, 100);
    EXPECT_GT(decidedByEvaluation, 10);
}

TEST(Doubling, ExtremeCautionDoesNotOverflow) {
    BoardRecord board;
    board.position = race(100, 15, 150, 15);
    const std::int32_t most = std::numeric_limits<std::int32_t>::max();
    const std::int32_t least = std::numeric_limits<std::int32_t>::min();
    const LookaheadEngine bold({2001, least, 0}, board, PLAYER_ONE, 1000, EngineTask::AnswerDouble);
    const LookaheadEngine timid({2001, most, 0}, board, PLAYER_ONE, 1000, EngineTask::AnswerDouble);
    EXPECT_TRUE(bold.shouldOfferDouble(board.position));
    EXPECT_TRUE(bold.acceptDouble(board.position));
    EXPECT_FALSE(timid.shouldOfferDouble(board.position));
    EXPECT_FALSE(timid.acceptDouble(board.position));
}

} // namespace
} // namespace vh
