#include "rules/move_entry.h"
#include "rules/play_notation.h"
#include "tests/support/placement.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vh {
namespace {

// A roll written as two digits: 61 is die 1 = 6, die 2 = 1.
struct Roll {
    int die1;
    int die2;
};
Roll rollOf(int dice) {
    return {dice / 10, dice % 10};
}

// Die slot flags as four digits, "" for the start of the turn.
DiceUsed slotsOf(const std::string& flags, Roll roll) {
    if (flags.empty()) {
        return roll.die1 == roll.die2 ? DiceUsed{0, 0, 0, 0} : DiceUsed{0, 0, 1, 1};
    }
    DiceUsed slots{};
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        slots[slot] = flags[slot] == '1' ? 1 : 0;
    }
    return slots;
}

TEST(MoveEntry, JudgesDropsAgainstTheLegalPlays) {
    struct Case {
        const char* name;
        const char* position;
        int side;
        int dice;
        const char* used;
        int from;
        int to;
        const char* moves; // "-": refused
        const char* slots; // the slots the drop uses
    };
    const Case cases[] = {
        {"one die, side 0", "12=2 0=-2", 0, 63, "", 12, 6, "6:12/6", "1000"},
        {"the second die, side 1", "12=2 0=-2", 1, 63, "", 0, 3, "3:0/3", "0100"},
        {"no die fits", "12=2 0=-2", 0, 63, "", 12, 8, "-", "0000"},
        {"backwards", "12=2 0=-2", 0, 63, "", 12, 15, "-", "0000"},
        {"a closed point", "12=1 6=-2", 0, 63, "", 12, 6, "-", "0000"},
        {"the other side's checker", "12=1 0=-2", 0, 63, "", 0, 6, "-", "0000"},
        {"a used die", "12=1 0=-2", 0, 63, "1011", 12, 6, "-", "0000"},
        {"a hit", "12=1 9=-1", 0, 63, "", 12, 9, "3:12/9*", "0100"},
        {"outside every entry", "12=1 0=-2", 0, 63, "", 12, -1, "-", "0000"},
        // Both dice: through a single opposing checker, the first die's first.
        {"both dice, the first die's blot", "12=1 6=-1 11=-1", 0, 61, "", 12, 5, "6:12/6* 1:6/5",
         "1100"},
        {"both dice, the second die's blot", "12=1 11=-1", 0, 61, "", 12, 5, "1:12/11* 6:11/5",
         "1100"},
        {"both dice, the first die's point closed", "12=1 6=-2", 0, 61, "", 12, 5, "1:12/11 6:11/5",
         "1100"},
        {"both dice, both ways closed", "12=1 6=-2 11=-2", 0, 61, "", 12, 5, "-", "0000"},
        {"both dice, one already used", "12=1 0=-2", 0, 61, "0111", 12, 5, "-", "0000"},
        {"both dice, side 1", "3=-1 20=2", 1, 42, "", 3, 9, "4:3/7 2:7/9", "1100"},
        // A double walks.
        {"a double, three steps", "20=2 0=-2", 0, 33, "", 20, 11, "3:20/17 3:17/14 3:14/11",
         "1110"},
        {"a double, hitting on the way", "20=1 17=-1", 0, 33, "", 20, 14, "3:20/17* 3:17/14",
         "1100"},
        {"a double, the first free slots", "20=1 0=-2", 0, 33, "1000", 20, 11,
         "3:20/17 3:17/14 3:14/11", "0111"},
        {"a double, blocked on the way", "20=1 14=-2", 0, 33, "", 20, 11, "-", "0000"},
        {"a double, more steps than dice", "20=1 0=-2", 0, 33, "1100", 20, 8, "-", "0000"},
        {"a double, side 1", "2=-1 20=2", 1, 22, "", 2, 8, "2:2/4 2:4/6 2:6/8", "1110"},
        // The bar.
        {"bar entry, side 0", "24=1 0=-2", 0, 52, "", 24, 19, "5:24/19", "1000"},
        {"bar entry, side 1", "25=1 20=2", 1, 52, "", 25, 1, "2:25/1", "0100"},
        {"bar entry hitting", "25=1 4=1", 1, 52, "", 25, 4, "5:25/4*", "1000"},
        {"another checker while one is on the bar", "24=1 12=1 0=-2", 0, 52, "", 12, 7, "-",
         "0000"},
        {"bar entry with both dice", "24=1 12=1 0=-2", 0, 52, "", 24, 17, "5:24/19 2:19/17",
         "1100"},
        {"bar entry with both dice, two on the bar", "24=2 0=-2", 0, 52, "", 24, 17, "-", "0000"},
        {"bar entry, both entry points closed", "24=1 19=-2 22=-2", 0, 52, "", 24, 17, "-", "0000"},
        {"bar entry, a closed entry point", "24=1 19=-2", 0, 52, "", 24, 19, "-", "0000"},
        {"a double entering and walking", "25=1 20=2", 1, 44, "", 25, 7, "4:25/3 4:3/7", "1100"},
        // Bearing off.
        {"bear-off, exact", "3=1 4=1 20=-2", 0, 41, "", 3, 26, "4:3/26", "1000"},
        {"bear-off, a larger die from the rearmost point", "2=1 1=1 20=-2", 0, 65, "", 2, 26,
         "6:2/26", "1000"},
        {"bear-off, a larger die not from the rearmost point", "2=1 1=1 20=-2", 0, 65, "", 1, 26,
         "-", "0000"},
        {"bear-off of the last checker, side 1: the larger die", "22=-1 3=2", 1, 25, "", 22, 27,
         "5:22/27", "0100"},
        {"bear-off with both dice, exact", "4=1 5=1 20=-2", 0, 32, "", 4, 26, "3:4/1 2:1/26",
         "1100"},
        {"bear-off with both dice, a larger sum", "3=1 20=-2", 0, 32, "", 3, 26, "-", "0000"},
        {"bear-off with both dice, side 1", "19=-1 3=2", 1, 32, "", 19, 27, "3:19/22 2:22/27",
         "1100"},
        {"bear-off of a double walking home", "8=1 2=1 20=-2", 0, 33, "", 8, 26,
         "3:8/5 3:5/2 3:2/26", "1110"},
        // Only moves that begin a legal play: not a later move of one (the
        // checker on 7 has to come home first), nor one that wastes the
        // other die while a play of both exists.
        {"bear-off, not everything home", "7=1 2=1 20=-2", 0, 63, "", 2, 26, "-", "0000"},
        {"a move that wastes the other die", "10=1 20=1 9=-2 13=-2", 0, 61, "", 20, 14, "-",
         "0000"},
        {"only one die can be played: not the smaller", "1=-2 12=1", 0, 56, "", 12, 7, "-", "0000"},
        {"only one die can be played: the larger", "1=-2 12=1", 0, 56, "", 12, 6, "6:12/6", "0100"},
    };
    auto plays = std::make_unique<PlayList>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Roll roll = rollOf(c.dice);
        const MoveEntry entry(*plays, test::placedPosition(c.position), c.side, roll.die1,
                              roll.die2, slotsOf(c.used, roll));
        const DropResult result = entry.drop(c.from, c.to);
        EXPECT_EQ(formatPlay(result.moves), c.moves);
        EXPECT_EQ(result.slots, slotsOf(c.slots, roll));
    }
}

} // namespace
} // namespace vh
