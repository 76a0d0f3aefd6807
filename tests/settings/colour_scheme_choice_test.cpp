#include "settings/colour_scheme_choice.h"

#include <gtest/gtest.h>
#include <string>

namespace vh {
namespace {

TEST(ColourSchemeChoiceTest, EntriesWriteTheirPairAndPairsShowTheirEntry) {
    struct Case {
        SchemeList list;
        std::string entry;
        std::int32_t first;
        std::int32_t second;
        int shown; // the entry the written pair shows
    };
    const Case cases[] = {
        {SchemeList::Stones, "White and Black Stones", 1, 2, 0},
        {SchemeList::Stones, "Red and Black Stones", 3, 2, 1},
        {SchemeList::Stones, "other", 3, 2, 1},
        {SchemeList::Board, "Dark Wood with Red Marble", 1, 4, 0},
        {SchemeList::Board, "Dark Wood with Blue Marble", 1, 3, 1},
        {SchemeList::Board, "Dark Wood with Purple Marble", 1, 2, 2},
        {SchemeList::Board, "", 1, 2, 2},
        {SchemeList::Pips, "White and Black Pips", 1, 2, 0},
        {SchemeList::Pips, "Red and Black Pips", 3, 2, 1},
        {SchemeList::Pips, "Orange and Green Pips", 4, 5, 2},
    };
    for (const Case& c : cases) {
        GameSettings settings;
        applySchemeEntry(c.list, c.entry, settings);
        GameSettings expected;
        const std::array<std::int32_t*, 3> firsts{&expected.stoneColourA, &expected.boardWood,
                                                  &expected.pipColourA};
        const std::array<std::int32_t*, 3> seconds{&expected.stoneColourB, &expected.boardMarble,
                                                   &expected.pipColourB};
        *firsts[static_cast<std::size_t>(c.list)] = c.first;
        *seconds[static_cast<std::size_t>(c.list)] = c.second;
        EXPECT_EQ(settings, expected) << c.entry;
        EXPECT_EQ(schemeEntryFor(c.list, settings), c.shown) << c.entry;
    }
    // Pairs of no entry: the defaults' pips 0/16777215, stones 3/3, wood 2.
    GameSettings odd;
    odd.stoneColourA = 3;
    odd.stoneColourB = 3;
    odd.boardWood = 2;
    odd.boardMarble = 4;
    EXPECT_EQ(schemeEntries(SchemeList::Stones)[schemeEntryFor(SchemeList::Stones, odd)],
              std::string("White and Black Stones"));
    EXPECT_EQ(schemeEntries(SchemeList::Board)[schemeEntryFor(SchemeList::Board, odd)],
              std::string("Dark Wood with Purple Marble"));
    EXPECT_EQ(schemeEntries(SchemeList::Pips)[schemeEntryFor(SchemeList::Pips, odd)],
              std::string("Orange and Green Pips"));
}

} // namespace
} // namespace vh
