#include "rules/play_notation.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vh {
namespace {

// Moves as "from>to" entries, a trailing "*" for a hit: "23>17 17>12*".
Play playOf(const std::string& moves) {
    Play play;
    std::istringstream in(moves);
    std::string move;
    while (in >> move) {
        const auto arrow = move.find('>');
        CheckerMove& slot = play.moves[static_cast<std::size_t>(play.count++)];
        slot.from = static_cast<std::uint32_t>(std::stoi(move.substr(0, arrow)));
        slot.to = static_cast<std::uint32_t>(std::stoi(move.substr(arrow + 1)));
        slot.hit = move.back() == '*' ? 1 : 0;
        slot.die = 1;
    }
    return play;
}

TEST(PlayNotation, DescribesPlaysFromTheMoversOwnSide) {
    struct Case {
        const char* moves;
        int mover;
        const char* text;
    };
    const Case cases[] = {
        {"7>4 5>4", 0, "8/5 6/5"},
        {"5>4 7>4", 0, "8/5 6/5"},
        {"16>19 18>19", 1, "8/5 6/5"},
        {"24>20*", 0, "bar/21*"},
        {"25>3", 1, "bar/21"},
        {"23>17 17>12", 0, "24/18/13"},
        {"23>17* 17>12", 0, "24/18*/13"},
        {"12>6 12>6", 0, "13/7(2)"},
        {"12>6 23>17 12>6 23>17", 0, "24/18(2) 13/7(2)"},
        {"23>17 17>11 23>17", 0, "24/18/12 24/18"},
        {"5>26 2>26", 0, "6/off 3/off"},
        {"20>27", 1, "4/off"},
        {"", 0, "no move"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describePlay(playOf(c.moves), c.mover), c.text) << c.moves;
    }
}

} // namespace
} // namespace vh
