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

std::vector<std::string> namesOf(const NeuralOpponents& opponents) {
    std::vector<std::string> names;
    for (const ComputerProfile& opponent : opponents) {
        names.push_back(opponent.name);
    }
    return names;
}

TEST(ChampionFile, IsReadWholeOrNotAtAllAndDropsTheRungsItCannotPlay) {
    const test::TempDirectory directory("champion");
    const auto rung = [](const std::string& name, const std::string& plies,
                         const std::string& noise) {
        return name + "\n30\nGood\n100000\n" + plies + "\n" + noise + "\nPlays.\n---\n";
    };
    const std::string champion = "Ann\n30\nGood\n500000\n1\n2\nPlays well.\n---\n";
    const std::string cut = champion.substr(0, champion.find("Plays well."));
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> names;
    } cases[] = {
        {"the champion alone", champion, {"Ann"}},
        {"without separator", champion.substr(0, champion.find("---")), {"Ann"}},
        {"a ladder",
         rung("Oda", "0", "50") + rung("Ute", "1", "0") + champion,
         {"Oda", "Ute", "Ann"}},
        {"blank lines after", rung("Oda", "0", "50") + champion + "\n \n", {"Oda", "Ann"}},
        {"three plies", rung("Oda", "3", "50") + champion, {"Ann"}},
        {"negative noise", rung("Oda", "0", "-1") + champion, {"Ann"}},
        {"noise beyond one", rung("Oda", "0", "1001") + champion, {"Ann"}},
        {"a name inside another", rung("An", "0", "50") + champion, {"Ann"}},
        {"empty rung name", rung("", "0", "50") + champion, {"Ann"}},
        {"champion cut short", rung("Oda", "0", "50") + cut, {}},
        {"a line after the champion", champion + "Oda\n", {}},
        {"empty name", champion.substr(3), {}},
        {"empty", "", {}},
    };
    for (const auto& c : cases) {
        directory.write("Data/Champion.dat", std::string_view(c.text));
        const NeuralOpponents opponents = readNeuralOpponentsFile(championFilePath());
        EXPECT_EQ(namesOf(opponents), c.names) << c.what;
        EXPECT_EQ(readChampionFile(championFilePath()).has_value(), !c.names.empty()) << c.what;
        if (!opponents.empty()) {
            EXPECT_EQ(opponents.back().cash, 500000);
            EXPECT_EQ(opponents.back().evalParamB, 2);
        }
        if (opponents.size() > 1) {
            const LadderPlay play = ladderPlayOf(opponents.front()).value();
            EXPECT_EQ(play.plies, 0);
            EXPECT_FLOAT_EQ(play.equityNoise, 0.05f);
        }
    }
    std::filesystem::remove(directory / "Data/Champion.dat");
    EXPECT_TRUE(readNeuralOpponentsFile(championFilePath()).empty()) << "missing";
}

// The ladder and the champion, apart from the ten, which come first for names
// and entries; then the ladder, weakest first, then the champion.
TEST(ChampionFile, TheShippedOpponentsAreApartFromTheTenAndListedAfterThem) {
    const Roster roster = shippedRoster();
    const NeuralOpponents neural =
        readNeuralOpponentsFile(std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Champion.dat");
    ASSERT_GE(neural.size(), 4u) << "a ladder of three or more, no rung dropped, and the champion";
    const ComputerProfile& champion = neural.back();
    EXPECT_EQ(strengthForCash(champion.cash), 2001) << "the classic fallback plays strongest";
    std::int32_t previousCash = roster.back().cash;
    for (std::size_t index = 0; index < neural.size(); ++index) {
        const ComputerProfile& profile = neural[index];
        EXPECT_FALSE(profile.levelText.empty());
        EXPECT_NE(profile.description, "DESCRIPTION");
        EXPECT_GT(profile.cash, previousCash) << profile.name;
        previousCash = profile.cash;
        for (const ComputerProfile& other : roster) {
            EXPECT_EQ(other.name.find(profile.name), std::string::npos) << other.name;
            EXPECT_EQ(profile.name.find(other.name), std::string::npos) << other.name;
        }
        EXPECT_EQ(neuralOpponentFor(roster, neural, profile.name), static_cast<int>(index));
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

    const std::vector<std::string> entries = computerNameEntries(roster, neural);
    ASSERT_EQ(entries.size(), 10u + neural.size());
    EXPECT_EQ(computerNameEntries(roster, {}).size(), 10u);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const std::string expected = index < 10 ? roster[index].name : neural[index - 10].name;
        EXPECT_EQ(entries[index], listEntry(index < 10 ? roster[index] : neural[index - 10]));
        EXPECT_EQ(chosenOpponentName(entries[index], roster, neural), expected);
        EXPECT_EQ(opponentForEntry(roster, neural, entries[index])->name, expected);
    }
    EXPECT_EQ(chosenOpponentName(entries.back(), roster, {}), entries.back());
    EXPECT_EQ(opponentForEntry(roster, neural, "Nobody (None)"), nullptr);
}

} // namespace
} // namespace vh
