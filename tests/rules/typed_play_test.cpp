#include "rules/play_notation.h"
#include "rules/typed_play.h"
#include "tests/support/placement.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(TypedPlay, MakesTheLegalPlayTheTextNamesOrSaysWhyNot) {
    struct Case {
        const char* placement; // "": the start position
        int side;
        int die1;
        int die2;
        const char* text;
        bool made;
        const char* outcome; // the play made, as described, or the problem
    };
    const char* const kHitOnTheWay = "12=5 5=5 7=3 23=2 9=-1 0=-2 18=-5 16=-3";
    const char* const kTwoBlots = "23=2 12=5 5=8 21=-1 19=-1 0=-13";
    const char* const kClosed = "24=1 5=14 18=-3 19=-2 20=-2 21=-2 22=-2 23=-2";
    const Case cases[] = {
        {"", 0, 3, 1, "6/5 8/5", true, "8/5 6/5"},
        {"", 1, 3, 1, "8/5 6/5", true, "8/5 6/5"},
        {"", 0, 3, 3, "8/5(2) 6/3(2)", true, "8/5(2) 6/3(2)"},
        {"25=1 4=1 5=5 11=-5 0=-2", 1, 5, 2, "13/11 bar/20", true, "bar/20* 13/11"},
        {"24=1 12=5 5=5 0=-2", 0, 6, 3, "13/7 bar/22", true, "bar/22 13/7"},
        {"0=2 1=1", 0, 6, 5, "2/OFF 1/off", true, "2/off 1/off"},
        {"23=-1 22=-2", 1, 2, 1, "2/off 1/off", true, "2/off 1/off"},
        {kHitOnTheWay, 0, 3, 3, "13/10*/7 6/3(2)", true, "13/10*/7 6/3(2)"},
        {kHitOnTheWay, 0, 3, 3, "6/3(2) 13/7", true, "13/10*/7 6/3(2)"},
        {kClosed, 0, 6, 6, "", true, "no move"},
        {kTwoBlots, 0, 4, 2, "24/18", false, "Say which checker you hit: 24/20*/18 or 24/22*/18."},
        {"", 0, 5, 2, "25/20 13/11", false, "\"25/20\": there is no point 25; write bar/20."},
        {"", 0, 6, 1, "6/0", false, "\"6/0\": there is no point 0; write 6/off."},
        {"", 0, 6, 1, "13/19", false,
         "\"13/19\": your checkers move from higher points to lower ones."},
        {"", 0, 6, 1, "13-7", false,
         "\"13-7\" is not a move; write moves as 24/18, bar/20* or 6/off."},
        {"", 0, 6, 1, "14/8 14/13", false, "No checker of yours on 14."},
        {"", 1, 6, 1, "bar/19", false, "No checker of yours on the bar."},
        {"", 0, 5, 2, "24/19 13/11", false, "Your opponent holds 19."},
        {"", 0, 6, 1, "13/7", false,
         "13/7 does not play the whole roll: 6-1 can be played as 13/7 6/5."},
        {"", 0, 5, 2, "13/11 13/10", false, "That is not a legal play of 5-2."},
        {kClosed, 0, 6, 6, "6/off", false, "6-6 cannot be played: no checker of yours can move."},
        {"", 1, 2, 1, "", false, "Type the play of 2-1, e.g. 24/23 24/22."},
    };
    for (const Case& c : cases) {
        const BoardPosition position =
            *c.placement ? test::placedPosition(c.placement) : test::startPosition();
        const TypedPlay typed = readTypedPlay(c.text, position, c.side, c.die1, c.die2);
        EXPECT_EQ(typed.made, c.made) << c.text;
        EXPECT_EQ(typed.made ? describePlay(typed.play, c.side) : typed.problem, c.outcome)
            << c.text;
    }
}

} // namespace
} // namespace vh
