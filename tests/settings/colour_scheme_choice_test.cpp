#include "settings/colour_scheme_choice.h"

#include <gtest/gtest.h>
#include <string>

namespace vh {
namespace {

GameSettings withPairs(std::int32_t stoneA, std::int32_t stoneB, std::int32_t wood,
                       std::int32_t marble, std::int32_t pipA, std::int32_t pipB) {
    GameSettings settings;
    settings.stoneColourA = stoneA;
    settings.stoneColourB = stoneB;
    settings.boardWood = wood;
    settings.boardMarble = marble;
    settings.pipColourA = pipA;
    settings.pipColourB = pipB;
    return settings;
}

std::string shown(SchemeList list, const GameSettings& settings) {
    return schemeEntries(list)[static_cast<std::size_t>(schemeEntryFor(list, settings))];
}

TEST(ColourSchemeChoiceTest, TheEntryShownForEachPair) {
    struct Case {
        GameSettings settings;
        const char* stones;
        const char* board;
        const char* pips;
    };
    const Case cases[] = {
        {GameSettings{}, "White and Black Stones", "Dark Wood with Purple Marble",
         "Orange and Green Pips"},
        {withPairs(3, 2, 1, 4, 1, 2), "Red and Black Stones", "Dark Wood with Red Marble",
         "White and Black Pips"},
        {withPairs(1, 2, 1, 3, 3, 2), "White and Black Stones", "Dark Wood with Blue Marble",
         "Red and Black Pips"},
        {withPairs(3, 3, 2, 4, 4, 5), "White and Black Stones", "Dark Wood with Purple Marble",
         "Orange and Green Pips"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shown(SchemeList::Stones, c.settings), c.stones);
        EXPECT_EQ(shown(SchemeList::Board, c.settings), c.board);
        EXPECT_EQ(shown(SchemeList::Pips, c.settings), c.pips);
    }
}

TEST(ColourSchemeChoiceTest, EachEntryWritesItsPairAndNothingElse) {
    struct Case {
        SchemeList list;
        const char* entry;
        GameSettings expected;
    };
    const GameSettings base = withPairs(7, 7, 7, 7, 7, 7);
    const Case cases[] = {
        {SchemeList::Stones, "White and Black Stones", withPairs(1, 2, 7, 7, 7, 7)},
        {SchemeList::Stones, "Red and Black Stones", withPairs(3, 2, 7, 7, 7, 7)},
        {SchemeList::Stones, "anything", withPairs(3, 2, 7, 7, 7, 7)},
        {SchemeList::Board, "Dark Wood with Red Marble", withPairs(7, 7, 1, 4, 7, 7)},
        {SchemeList::Board, "Dark Wood with Blue Marble", withPairs(7, 7, 1, 3, 7, 7)},
        {SchemeList::Board, "Dark Wood with Purple Marble", withPairs(7, 7, 1, 2, 7, 7)},
        {SchemeList::Board, "", withPairs(7, 7, 1, 2, 7, 7)},
        {SchemeList::Pips, "White and Black Pips", withPairs(7, 7, 7, 7, 1, 2)},
        {SchemeList::Pips, "Red and Black Pips", withPairs(7, 7, 7, 7, 3, 2)},
        {SchemeList::Pips, "Orange and Green Pips", withPairs(7, 7, 7, 7, 4, 5)},
    };
    for (const Case& c : cases) {
        GameSettings settings = base;
        applySchemeEntry(c.list, c.entry, settings);
        EXPECT_EQ(settings, c.expected) << c.entry;
        // What an entry writes shows that entry again.
        if (std::string(c.entry).find(' ') != std::string::npos) {
            EXPECT_EQ(shown(c.list, settings), c.entry);
        }
    }
}

} // namespace
} // namespace vh
