#include "ai/board_summary.h"
#include "ai/evaluation.h"
#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "rules/side.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace vh {
namespace {

using test::placedPosition;

struct EvaluationCase {
    const char* name;
    const char* position;
    int side;
    std::int32_t paramB;
    std::int32_t race;
    std::int32_t safety;
    std::int32_t bearOff;
    std::int32_t expectedOwnSafety; // safetyScore of the judged side
};

// Every value below is worked out by hand from the rules of the evaluation:
// cost of an attacking point = trunc(w(n) x L + w(n) x E), w(12) = 0.08.
TEST(Evaluation, HandComputedPositions) {
    // Side 0 blot on 10, side 1 holds 4 (distance 6): trunc(0.47 x 14) = 6.
    const char* const blotOnTen = "10=1 4=-2";
    const EvaluationCase cases[] = {
        // Pips 8 against 12; no safety once contact is over; only the judged
        // side's borne-off checkers count.
        {"pure race for side 0", "3=2 20=-3", 0, 0, 4, 0, 26, 0},
        {"pure race for side 1", "3=2 20=-3", 1, 0, -4, 0, 24, 0},
        {"blot six pips from an attacker", blotOnTen, 0, 0, 40 - 11, 994 - 1000, 28, 994},
        // Side 1 holds 18-23 as well: E = 7.0, trunc(0.47 x 14 + 0.47 x 7.0) = 9.
        {"closed board behind the attacker", "10=1 4=-2 18=-2 19=-2 20=-2 21=-2 22=-2 23=-2", 0, 0,
         2 * 20 + 2 * (6 + 5 + 4 + 3 + 2 + 1) - 11, -9, 28, 991},
        // Side 1 on the bar enters on point 3 with a 4: trunc(0.42 x 21) = 8.
        {"side 0 blot in reach of the bar", "3=1 25=1", 0, 0, 24 - 4, -8, 28, 992},
        // Beyond 11 the bar cannot reach a side 0 blot.
        {"side 0 blot out of reach of the bar", "12=1 25=1", 0, 0, 24 - 13, 0, 28, 1000},
        // Side 0 on the bar enters on point 20 with a 4; side 0 holds 0-2:
        // E = 1.75, trunc(0.42 x 20 + 0.42 x 1.75) = 9.
        {"side 1 blot in reach of the bar", "20=-1 0=2 1=2 2=2 24=1", 1, 0,
         24 + 2 * (1 + 2 + 3) - 4, 991 - 1000, 28, 991},
        // Board edges. Side 0 blot on point 0 (L = 24) hit only from the bar
        // with a 1: trunc(0.31 x 24) = 7.
        {"side 0 blot on point 0", "0=1 25=1", 0, 0, 24 - 1, -7, 28, 993},
        // Side 1 blot on point 23 (L = 23) from the bar with a 1, side 0 with
        // no home points: trunc(0.31 x 23) = 7.
        {"side 1 blot on point 23", "23=-1 24=1", 1, 0, 24 - 1, -7, 28, 993},
        // Twelve pips away: trunc(0.08 x 11 + 0.08 x 1.75) = 1 (0 with w(12) = 0).
        {"side 1 blot twelve pips from an attacker", "11=-1 23=2 0=2 1=2 2=2", 1, 0,
         2 * 24 + 2 * (1 + 2 + 3) - 13, -1, 28, 999},
        // evalParamB scales each side's score by 1 + B / 5.
        {"safety doubled", blotOnTen, 0, 5, 29, 1988 - 2000, 28, 1988},
        {"safety negated", blotOnTen, 0, -10, 29, -994 + 1000, 28, -994},
        // Blots on both sides: side 0 blot on 10 faces side 1 blot on 4, and
        // the other way round: trunc(0.47 x 14) = 6 and trunc(0.47 x 4) = 1.
        {"blots facing each other", "10=1 4=-1", 0, 0, 20 - 11, 994 - 999, 28, 994},
    };
    for (const EvaluationCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardPosition position = placedPosition(c.position);
        EXPECT_EQ(evaluate(position, c.side, c.paramB), (Evaluation{c.race, c.safety, c.bearOff}));
        EXPECT_EQ(safetyScore(position, c.side, c.paramB), c.expectedOwnSafety);
    }
}

TEST(Evaluation, ContactOverAndHomePoints) {
    const struct {
        const char* name;
        const char* position;
        bool contactOver;
        int homeOfSideZero;
        int homeOfSideOne;
    } cases[] = {
        {"start position", "0=-2 5=5 7=3 11=-5 12=5 16=-3 18=-5 23=2", false, 1, 1},
        {"side 1 entirely above side 0", "5=2 6=-1 23=-3", true, 1, 1},
        {"one checker passed the other", "7=1 6=-1", false, 0, 0},
        {"a checker on a bar", "1=1 20=-1 24=1", false, 0, 0},
        {"a checker on the other bar", "1=1 20=-1 25=1", false, 0, 0},
        // Nothing of side 1 on the points counts as its lowest point being 0.
        {"side 1 all borne off, side 0 on point 0", "0=3", true, 1, 0},
        {"side 1 all borne off, side 0 on point 1", "1=3", false, 1, 0},
        {"closed boards", "0=2 1=2 2=2 3=2 4=2 5=5 18=-2 19=-2 20=-2 21=-2 22=-2 23=-5", true, 6,
         6},
        {"blots are not points", "0=1 1=2 22=-1 23=-2", true, 1, 1},
        {"points outside the home board do not count", "6=2 17=-2", true, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardPosition position = placedPosition(c.position);
        EXPECT_EQ(contactOver(position), c.contactOver);
        EXPECT_EQ(homePointsHeld(position, PLAYER_ONE), c.homeOfSideZero);
        EXPECT_EQ(homePointsHeld(position, PLAYER_TWO), c.homeOfSideOne);
    }
}

// The search evaluates the position after each play without making it; the
// result must be what making the play and evaluating gives.
TEST(Evaluation, AfterPlayMatchesMakingThePlay) {
    auto list = std::make_unique<PlayList>();
    int checked = 0;
    for (RollCase& c : test::randomCases(1500, 77)) {
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        const BoardSummary summary = summarize(c.position);
        for (const Play& play : *list) {
            BoardPosition after = c.position;
            applyPlay(play, after);
            for (const int judged : {PLAYER_ONE, PLAYER_TWO}) {
                ASSERT_EQ(evaluateAfterPlay(summary, c.position, play, c.side, judged, 2),
                          evaluate(after, judged, 2))
                    << formatPlay(play);
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 10000);
}

TEST(Evaluation, ExtremeParametersSaturateInsteadOfOverflowing) {
    // Side 0 has a blot (994), side 1 none (1000).
    const BoardPosition position = placedPosition("10=1 4=-2");
    const std::int32_t most = std::numeric_limits<std::int32_t>::max();
    const std::int32_t least = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(safetyScore(position, PLAYER_TWO, most), most);
    EXPECT_EQ(safetyScore(position, PLAYER_TWO, least), -most);
    const Evaluation high = evaluate(position, PLAYER_ONE, most);
    EXPECT_EQ(high.safety, 0) << "both sides saturate at the same limit";
    const Evaluation big = evaluate(position, PLAYER_ONE, 1000000);
    EXPECT_EQ(big.safety, (994 + 994LL * 1000000 / 5) - (1000 + 1000LL * 1000000 / 5));
}

} // namespace
} // namespace vh
