#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "rules/side.h"
#include "tests/support/placement.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vh {
namespace {

// The listed plays, separated by commas.
std::string listedPlays(BoardPosition position, int side, int die1, int die2, DiceUsed used = {}) {
    auto list = std::make_unique<PlayList>();
    generatePlays(*list, position, side, die1, die2, used);
    std::string texts;
    for (const Play& play : *list) {
        texts += (texts.empty() ? "" : ", ") + formatPlay(play);
    }
    return texts;
}

// Lists worked out by hand from the rules: first order of the dice, then the
// second, depth first by increasing from-point.
TEST(MoveGeneratorOrder, MatchesHandCheckedLists) {
    const struct {
        const char* name;
        const char* position; // "": the start position
        int side;
        int die1;
        int die2;
        const char* expected;
    } cases[] = {
        {"start position 6-5, side 0", "", PLAYER_ONE, 6, 5,
         "6:7/1 5:7/2, 6:7/1 5:12/7, 6:12/6 5:6/1, 6:12/6 5:7/2, 6:12/6 5:12/7, 6:23/17 5:7/2, "
         "6:23/17 5:12/7, 6:23/17 5:17/12, 5:7/2 6:7/1, 5:7/2 6:12/6, 5:7/2 6:23/17, "
         "5:12/7 6:7/1, 5:12/7 6:12/6, 5:12/7 6:23/17"},
        {"side 0 enters from the bar before anything else", "10=1 24=1", PLAYER_ONE, 3, 1,
         "3:24/21 1:10/9, 3:24/21 1:21/20, 1:24/23 3:10/7, 1:24/23 3:23/20"},
        {"side 1 enters at die - 1", "13=-1 25=1", PLAYER_TWO, 3, 1,
         "3:25/2 1:2/3, 3:25/2 1:13/14, 1:25/0 3:0/3, 1:25/0 3:13/16"},
        {"only the entry with the 3 lets the 5 play after it", "7=-2 10=1 16=-2 24=1", PLAYER_ONE,
         5, 3, "3:24/21 5:10/5"},
        {"a 6 bears off from the highest point 3 but not from point 1", "1=1 3=1", PLAYER_ONE, 6, 5,
         "6:3/26 5:1/26, 5:3/26 6:1/26"},
        {"the checker on point 7 must come home before a bear-off", "2=14 7=1", PLAYER_ONE, 6, 2,
         "6:7/1 2:1/26, 6:7/1 2:2/0, 2:2/0 6:7/1, 2:7/5 6:5/26"},
        {"side 1 bears off from its lowest home point", "20=-1 22=-1", PLAYER_TWO, 5, 4,
         "5:20/27 4:22/27, 4:20/27 5:22/27"},
        {"a hit is marked", "7=-1 10=1", PLAYER_ONE, 3, 1, "3:10/7* 1:7/6, 1:10/9 3:9/6"},
        {"two on the bar against a closed entry point: no play", "18=-2 24=2", PLAYER_ONE, 6, 6,
         ""},
        // 6 enters nowhere; after the 5 enters on 19 the second checker still
        // has to enter with the 6, so only the single 5 is left.
        {"two on the bar, one entry open", "18=-2 24=2", PLAYER_ONE, 6, 5, "5:24/19"},
        // Where either die can be played but not both, only the larger may be.
        {"side 0, the larger die first", "1=-2 12=1", PLAYER_ONE, 6, 5, "6:12/6"},
        {"side 0, the larger die second", "1=-2 12=1", PLAYER_ONE, 5, 6, "6:12/6"},
        {"side 0, the larger blocked", "1=-2 6=-2 12=1", PLAYER_ONE, 6, 5, "5:12/7"},
        {"side 1", "11=-1 22=2", PLAYER_TWO, 5, 6, "6:11/17"},
        {"entering from the bar", "13=-2 14=-2 24=1", PLAYER_ONE, 5, 6, "6:24/18"},
        {"bearing off the last checker", "2=1 20=-2", PLAYER_ONE, 5, 6, "6:2/26"},
        {"side 1 bearing off the last checker", "22=-1 3=2", PLAYER_TWO, 2, 5, "5:22/27"},
        {"both dice playable: untouched", "12=1", PLAYER_ONE, 5, 6, "5:12/7 6:7/1, 6:12/6 5:6/1"},
        {"a double of one move: untouched, listed twice", "2=-2 12=1", PLAYER_ONE, 5, 5,
         "5:12/7, 5:12/7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardPosition position =
            *c.position ? test::placedPosition(c.position) : test::startPosition();
        EXPECT_EQ(listedPlays(position, c.side, c.die1, c.die2), c.expected);
    }
}

TEST(MoveGeneratorOrder, UsedFlagsLimitTheSlotsAndComeBackInTheirOrder) {
    struct FlagCase {
        const char* name;
        DiceUsed used;
        const char* expected;
    };
    // Side 0 with a single checker on point 12 and 6-5 to play.
    const BoardPosition position = test::placedPosition("12=1");
    const FlagCase cases[] = {
        {"human turn start: slots 2 and 3 used", {0, 0, 1, 1}, "6:12/6 5:6/1, 5:12/7 6:7/1"},
        {"die 1 already played", {1, 0, 1, 1}, "5:12/7, 5:12/7"},
        {"die 2 already played", {0, 1, 1, 1}, "6:12/6, 6:12/6"},
        {"both played", {1, 1, 1, 1}, "-, -"},
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.name);
        DiceUsed used = c.used;
        EXPECT_EQ(listedPlays(position, PLAYER_ONE, 6, 5, used), c.expected);
        EXPECT_EQ(used, c.used);
    }
}

} // namespace
} // namespace vh
