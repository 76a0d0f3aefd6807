#include "players/champion_file.h"
#include "players/player_choice.h"
#include "players/roster_file.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <set>

namespace vh {
namespace {

// The strength tier a computer's cash gives it: 0 random play up to 1000,
// then one-ply (two tiers) and two-ply (two tiers).
int strengthTier(std::int32_t cash) {
    if (cash >= 250000) {
        return 4;
    }
    if (cash > 100000) {
        return 3;
    }
    if (cash > 10000) {
        return 2;
    }
    if (cash > 1000) {
        return 1;
    }
    return 0;
}

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
    const std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 80);
    EXPECT_EQ(text.back(), '\n');
    std::size_t start = 0;
    int line = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t length = end - start;
        const int field = line % 8;
        // Name and level text fit 31 bytes, the description 255.
        const std::size_t limit = field == 0 || field == 2 ? 31 : field == 6 ? 255 : 80;
        EXPECT_LE(length, limit) << "line " << line + 1;
        EXPECT_GT(length, 0u) << "line " << line + 1;
        for (std::size_t at = start; at < end; ++at) {
            EXPECT_TRUE(text[at] >= 0x20 && text[at] < 0x7F) << "line " << line + 1;
        }
        start = end + 1;
        ++line;
    }
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
        tiers.insert(strengthTier(profile.cash));
        // Every list entry maps back to its own profile, and a player with the
        // profile's name finds it: no name contains another.
        EXPECT_EQ(profileByText(roster, listEntry(profile)), index);
        EXPECT_EQ(profileForPlayer(roster, profile.name), index);
    }
    EXPECT_EQ(tiers, (std::set<int>{0, 1, 2, 3, 4}));
}

ComputerProfile shippedChampion() {
    const auto champion =
        readChampionFile(std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Champion.dat");
    EXPECT_TRUE(champion.has_value());
    return champion.value_or(ComputerProfile{});
}

TEST(Champion, TheShippedChampionIsAWholeProfileApartFromTheTen) {
    const ComputerProfile champion = shippedChampion();
    EXPECT_GE(champion.cash, 250000) << "the classic fallback plays at the strongest tier";
    EXPECT_FALSE(champion.levelText.empty());
    EXPECT_NE(champion.description, "DESCRIPTION");
    for (const ComputerProfile& profile : shippedRoster()) {
        EXPECT_EQ(profile.name.find(champion.name), std::string::npos) << profile.name;
        EXPECT_EQ(champion.name.find(profile.name), std::string::npos) << profile.name;
    }
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

TEST(Champion, TheTenComeFirstForNamesAndEntries) {
    const Roster roster = shippedRoster();
    const ComputerProfile champion = shippedChampion();
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
