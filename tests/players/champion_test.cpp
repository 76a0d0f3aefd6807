#include "players/champion_file.h"
#include "players/player_choice.h"
#include "players/roster_file.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

Roster shippedRoster() {
    Roster roster;
    EXPECT_TRUE(
        readRosterFile(std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Computers.dat", roster));
    return roster;
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
