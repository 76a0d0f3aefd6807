#include "settings/colour_scheme_choice.h"

#include <array>
#include <cstdint>
#include <utility>

namespace vh {
namespace {

struct SchemeEntry {
    const char* text;
    std::int32_t first;
    std::int32_t second;
};

constexpr std::array<const char*, 2> kStoneTexts{"White and Black Stones", "Red and Black Stones"};
constexpr std::array<const char*, 3> kBoardTexts{
    "Dark Wood with Red Marble", "Dark Wood with Blue Marble", "Dark Wood with Purple Marble"};
constexpr std::array<const char*, 3> kPipTexts{"White and Black Pips", "Red and Black Pips",
                                               "Orange and Green Pips"};

constexpr std::array<SchemeEntry, 2> kStones{{{kStoneTexts[0], 1, 2}, {kStoneTexts[1], 3, 2}}};
constexpr std::array<SchemeEntry, 3> kBoards{
    {{kBoardTexts[0], 1, 4}, {kBoardTexts[1], 1, 3}, {kBoardTexts[2], 1, 2}}};
constexpr std::array<SchemeEntry, 3> kPips{
    {{kPipTexts[0], 1, 2}, {kPipTexts[1], 3, 2}, {kPipTexts[2], 4, 5}}};

struct SchemeTable {
    std::span<const SchemeEntry> entries;
    int shownForOthers; // the entry shown for a pair no entry writes
};

SchemeTable table(SchemeList list) {
    switch (list) {
    case SchemeList::Stones:
        return {kStones, 0};
    case SchemeList::Board:
        return {kBoards, 2};
    case SchemeList::Pips:
        break;
    }
    return {kPips, 2};
}

// The two fields a list writes; Settings is GameSettings, const or not.
template <typename Settings>
auto fields(SchemeList list, Settings& settings) {
    switch (list) {
    case SchemeList::Stones:
        return std::pair{&settings.stoneColourA, &settings.stoneColourB};
    case SchemeList::Board:
        return std::pair{&settings.boardWood, &settings.boardMarble};
    case SchemeList::Pips:
        break;
    }
    return std::pair{&settings.pipColourA, &settings.pipColourB};
}

} // namespace

std::span<const char* const> schemeEntries(SchemeList list) {
    switch (list) {
    case SchemeList::Stones:
        return kStoneTexts;
    case SchemeList::Board:
        return kBoardTexts;
    case SchemeList::Pips:
        break;
    }
    return kPipTexts;
}

int schemeEntryFor(SchemeList list, const GameSettings& settings) {
    const auto [first, second] = fields(list, settings);
    const SchemeTable scheme = table(list);
    for (std::size_t index = 0; index < scheme.entries.size(); ++index) {
        if (scheme.entries[index].first == *first && scheme.entries[index].second == *second) {
            return static_cast<int>(index);
        }
    }
    return scheme.shownForOthers;
}

void applySchemeEntry(SchemeList list, std::string_view entry, GameSettings& settings) {
    const std::span<const SchemeEntry> entries = table(list).entries;
    const SchemeEntry* chosen = &entries.back();
    for (const SchemeEntry& candidate : entries) {
        if (entry == candidate.text) {
            chosen = &candidate;
            break;
        }
    }
    const auto [first, second] = fields(list, settings);
    *first = chosen->first;
    *second = chosen->second;
}

} // namespace vh
