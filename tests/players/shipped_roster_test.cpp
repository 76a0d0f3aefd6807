#include "ai/engine_parameters.h"
#include "players/champion_file.h"
#include "players/player_choice.h"
#include "players/roster_file.h"
#include "tests/support/temp_directory.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace vh {
namespace {

std::filesystem::path shippedRosterPath() {
    return std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Computers.dat";
}

Roster shippedRoster() {
    Roster roster;
    EXPECT_TRUE(readRosterFile(shippedRosterPath(), roster));
    return roster;
}

TEST(ShippedRoster, HoldsTenProfilesOfEightLinesAndNothingMore) {
    const std::vector<std::byte> bytes = test::readBytes(shippedRosterPath());
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.back(), std::byte{'\n'});
    std::istringstream text(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    int line = 0;
    for (std::string content; std::getline(text, content); ++line) {
        // Name and level text fit 31 bytes, the description 255.
        const int field = line % 8;
        const std::size_t limit = field == 0 || field == 2 ? 31 : field == 6 ? 255 : 80;
        EXPECT_TRUE(!content.empty() && content.size() <= limit) << "line " << line + 1;
        EXPECT_TRUE(std::all_of(content.begin(), content.end(),
                                [](char c) { return c >= 0x20 && c < 0x7F; }))
            << "line " << line + 1;
    }
    EXPECT_EQ(line, 80);
}

TEST(ShippedRoster, OpponentsAreDistinctAndSpreadOverEveryStrength) {
    const Roster roster = shippedRoster();
    std::set<int> tiers;
    std::int32_t previousCash = 0;
    for (int index = 0; index < kRosterSize; ++index) {
        const ComputerProfile& profile = roster[index];
        SCOPED_TRACE(profile.name);
        EXPECT_NE(profile.name, "NAME");
        EXPECT_NE(profile.description, "DESCRIPTION");
        EXPECT_FALSE(profile.levelText.empty());
        EXPECT_GT(profile.age, 0);
        EXPECT_GT(profile.cash, previousCash) << "listed from the weakest to the strongest";
        previousCash = profile.cash;
        EXPECT_GE(profile.evalParamB, -4) << "-5 would ignore blots altogether";
        tiers.insert(strengthForCash(profile.cash));
        // Every list entry maps back to its own profile, and a player with the
        // profile's name finds it: no name contains another.
        EXPECT_EQ(profileByText(roster, listEntry(profile)), index);
        EXPECT_EQ(profileForPlayer(roster, profile.name), index);
    }
    EXPECT_EQ(tiers, (std::set<int>{1001, 1251, 1501, 1751, 2001}));
}

ComputerProfile shippedChampion() {
    const auto champion =
        readChampionFile(std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Champion.dat");
    EXPECT_TRUE(champion.has_value());
    return champion.value_or(ComputerProfile{});
}

TEST(Champion, IncompleteFilesHoldNoChampion) {
    const test::TempDirectory directory("champion");
    const struct {
        const char* what;
        const char* text;
        bool read;
    } cases[] = {
        {"whole", "Ann\n30\nGood\n500000\n1\n2\nPlays well.\n---\n", true},
        {"without separator", "Ann\n30\nGood\n500000\n1\n2\nPlays well.", true},
        {"without description", "Ann\n30\nGood\n500000\n1\n2\n", false},
        {"empty name", "\n30\nGood\n500000\n1\n2\nPlays well.\n", false},
        {"empty", "", false},
    };
    for (const auto& c : cases) {
        directory.write("Data/Champion.dat", std::string_view(c.text));
        const auto champion = readChampionFile(championFilePath());
        EXPECT_EQ(champion.has_value(), c.read) << c.what;
        if (champion) {
            EXPECT_EQ(champion->name, "Ann");
            EXPECT_EQ(champion->cash, 500000);
            EXPECT_EQ(champion->evalParamB, 2);
        }
    }
    std::filesystem::remove(directory / "Data/Champion.dat");
    EXPECT_FALSE(readChampionFile(championFilePath()).has_value()) << "missing";
}

// A whole profile apart from the ten, which come first for names and entries.
TEST(Champion, TheShippedChampionIsApartFromTheTenWhichComeFirst) {
    const Roster roster = shippedRoster();
    const ComputerProfile champion = shippedChampion();
    EXPECT_EQ(strengthForCash(champion.cash), 2001) << "the classic fallback plays strongest";
    EXPECT_FALSE(champion.levelText.empty());
    EXPECT_NE(champion.description, "DESCRIPTION");
    for (const ComputerProfile& profile : roster) {
        EXPECT_EQ(profile.name.find(champion.name), std::string::npos) << profile.name;
        EXPECT_EQ(champion.name.find(profile.name), std::string::npos) << profile.name;
    }
    const std::string first = champion.name.substr(0, champion.name.find(' '));
    const struct {
        std::string name;
        bool champion;
    } names[] = {
        {champion.name, true}, {first, true},     {"Lighthouse", false},
        {"", false},           {"Nobody", false}, {"Viktor Lind", false},
    };
    for (const auto& c : names) {
        EXPECT_EQ(playsAsChampion(roster, champion, c.name), c.champion) << c.name;
    }

    const std::vector<std::string> entries = computerNameEntries(roster, &champion);
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(entries.back(), listEntry(champion));
    EXPECT_EQ(computerNameEntries(roster, nullptr).size(), 10u);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const std::string expected = index < 10 ? roster[index].name : champion.name;
        EXPECT_EQ(chosenOpponentName(entries[index], roster, &champion), expected);
        EXPECT_EQ(opponentForEntry(roster, &champion, entries[index])->name, expected);
    }
    EXPECT_EQ(chosenOpponentName(entries.back(), roster, nullptr), entries.back());
    EXPECT_EQ(opponentForEntry(roster, &champion, "Nobody (None)"), nullptr);
}

} // namespace
} // namespace vh
