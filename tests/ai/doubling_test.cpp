#include "ai/lookahead_engine.h"
#include "rules/side.h"
#include "tests/support/placement.h"

#include <gtest/gtest.h>
#include <limits>

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

// The engine's race count has a checker on the bar 24 pips from home, not the
// game's 25: trailing by 19 so counted the double is taken, by 20 it is not.
TEST(Doubling, TheRaceCountsACheckerOnTheBarAs24Pips) {
    const std::pair<const char*, bool> cases[] = {{"5=13 6=1 24=1 18=-15", true},
                                                  {"5=12 6=2 24=1 18=-15", false}};
    for (const auto& [placement, takes] : cases) {
        BoardRecord board;
        board.position = test::placedPosition(placement);
        const LookaheadEngine engine({2001, 0, 0}, board, PLAYER_ONE, 1000,
                                     EngineTask::AnswerDouble);
        EXPECT_EQ(engine.acceptDouble(board.position), takes) << placement;
        EXPECT_FALSE(engine.shouldOfferDouble(board.position)) << placement;
    }
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
