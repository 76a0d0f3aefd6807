#include "board/bmp_file.h"
#include "platform/message_box.h"
#include "players/roster_file.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/mutations.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace vh {
namespace {

struct ProfileText {
    std::string name;
    std::string age;
    std::string level;
    std::string cash;
    std::string paramA;
    std::string paramB;
    std::string description;
};

std::string rosterText(const std::vector<ProfileText>& profiles, const char* lineEnd = "\n") {
    std::string text;
    for (const ProfileText& p : profiles) {
        for (const std::string* line :
             {&p.name, &p.age, &p.level, &p.cash, &p.paramA, &p.paramB, &p.description}) {
            text += *line + lineEnd;
        }
        text += std::string("--") + lineEnd;
    }
    return text;
}

std::vector<ProfileText> tenProfiles() {
    std::vector<ProfileText> profiles;
    for (int index = 0; index < kRosterSize; ++index) {
        const std::string n = std::to_string(index);
        profiles.push_back({"Player" + n, "2" + n, "Level " + n, n + "000", "-" + n, n,
                            "Description of player " + n});
    }
    return profiles;
}

using Fields = std::tuple<std::string, int, std::string, int, int, int, std::string>;

Fields fieldsOf(const ComputerProfile& p) {
    return {p.name, p.age, p.levelText, p.cash, p.evalParamA, p.evalParamB, p.description};
}

// What profile n of tenProfiles() reads as.
Fields plain(int n) {
    const std::string s = std::to_string(n);
    return {"Player" + s, 20 + n, "Level " + s, 1000 * n, -n, n, "Description of player " + s};
}

TEST(Roster, ReadsTenProfilesOfEightLinesWhateverTheirLineEnds) {
    const int kMin = std::numeric_limits<std::int32_t>::min();
    const int kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        const char* what;
        int index;
        ProfileText text;
        Fields expected;
    } cases[] = {
        {"numbers before words, signs and spaces",
         3,
         {"Bob", "35 and a word", "Beginner", "  1250", "+2", "-1", "Learns fast."},
         {"Bob", 35, "Beginner", 1250, 2, -1, "Learns fast."}},
        {"lines without a number give zero",
         0,
         {"Player0", "unknown", "Level 0", "lots", "-", "0", "Description of player 0"},
         {"Player0", 0, "Level 0", 0, 0, 0, "Description of player 0"}},
        {"blank lines before a number are skipped",
         2,
         {"Player2", "\n\n  41", "Level 2", "2000", "-2", "2", "Description of player 2"},
         {"Player2", 41, "Level 2", 2000, -2, 2, "Description of player 2"}},
        {"numbers stop at the limits of 32 bits",
         5,
         {"Player5", "25", "Level 5", "99999999999", "-99999999999", "5", "D"},
         {"Player5", 25, "Level 5", kMax, kMin, 5, "D"}},
        {"long lines are cut at their field and never spill over",
         0,
         {std::string(40, 'N'), "30" + std::string(400, ' ') + "x", std::string(50, 'L'), "0", "0",
          "0", std::string(300, 'D')},
         {std::string(31, 'N'), 30, std::string(31, 'L'), 0, 0, 0, std::string(255, 'D')}},
        {"UTF-8 is read into the code page",
         0,
         {"\xEF\xBB\xBFJ\xC3\xB6rg", "20", "Level 0", "0", "0", "0", "Caf\xC3\xA9 \xE2\x82\xAC 5"},
         {"J\xF6rg", 20, "Level 0", 0, 0, 0, "Caf\xE9 \x80 5"}},
    };
    for (const auto& c : cases) {
        for (const char* lineEnd : {"\n", "\r\n"}) {
            SCOPED_TRACE(std::string(c.what) + (lineEnd[0] == '\r' ? ", CR LF" : ""));
            std::vector<ProfileText> profiles = tenProfiles();
            profiles[static_cast<std::size_t>(c.index)] = c.text;
            Roster roster;
            parseRoster(rosterText(profiles, lineEnd), roster);
            for (int index = 0; index < kRosterSize; ++index) {
                EXPECT_EQ(fieldsOf(roster[index]), index == c.index ? c.expected : plain(index))
                    << index;
            }
        }
    }
}

TEST(Roster, AShortFileLeavesTheRestAtTheirDefaults) {
    std::string text = rosterText(tenProfiles());
    // Cut inside profile 2, after its level text.
    text.resize(text.find("Level 2\n") + 8);
    Roster roster;
    parseRoster(text, roster);
    EXPECT_EQ(fieldsOf(roster[1]), plain(1));
    EXPECT_EQ(fieldsOf(roster[2]), (Fields{"Player2", 22, "Level 2", 100, 0, 0, "DESCRIPTION"}));
    for (int index = 3; index < kRosterSize; ++index) {
        EXPECT_EQ(fieldsOf(roster[index]), fieldsOf(ComputerProfile{})) << index;
    }
}

TEST(Roster, TheLastMatchingProfileWins) {
    Roster roster;
    for (int index = 0; index < kRosterSize; ++index) {
        roster[index].name = "Opponent" + std::to_string(index);
        roster[index].levelText = "Level";
    }
    roster[2].name = "Ann";
    roster[2].levelText = "Novice";
    roster[5].name = "Anna";
    roster[5].levelText = "Expert";

    const std::pair<std::string, int> byText[] = {
        {"Anna (Expert)", 5},
        {"Ann (Novice)", 2},
        {"Opponent7 (Level)", 7},
        {"Nobody (Level)", -1},
    };
    for (const auto& [text, profile] : byText) {
        EXPECT_EQ(profileByText(roster, text), profile) << text;
    }
    EXPECT_EQ(listEntry(roster[5]), "Anna (Expert)");
    // Anna contains Ann, and the last match wins; no match is slot 0.
    const std::pair<std::string, int> byPlayer[] = {
        {"Ann", 5},
        {"Anna", 5},
        {"Opponent3", 3},
        {"Stranger", 0},
    };
    for (const auto& [player, profile] : byPlayer) {
        EXPECT_EQ(profileForPlayer(roster, player), profile) << player;
    }
}

// One box for each picture that cannot be read, the rest by name from Graphics/.
TEST(Roster, PicturesAreLoadedByNameFromGraphicsOnly) {
    const test::TempDirectory folder("roster");
    RecordingMessageBoxes boxes;
    const ScopedMessageBoxes installed(boxes);
    const auto missing = [&folder](const std::string& name) {
        return (folder / ("Graphics/" + name + ".bmp")).string() + " could not be loaded!";
    };
    // Without a file every profile has its defaults.
    Roster roster;
    roster[4].name = "Leftover";
    loadRoster(roster);
    EXPECT_EQ(roster[4].name, "NAME");
    EXPECT_EQ(boxes.texts(), std::vector<std::string>(kRosterSize, missing("NAME")));
    EXPECT_TRUE(roster[0].picture.isLoaded());

    std::vector<ProfileText> profiles = tenProfiles();
    profiles[1].name = "Greta Holm";
    profiles[2].name = "../Secret"; // a picture outside Graphics/ is not read
    folder.write("Data/Computers.dat", rosterText(profiles));
    ASSERT_TRUE(saveBmpFile(folder / "Secret.bmp", PixelImage(75, 100)));
    std::filesystem::create_directories(folder / "Graphics");
    for (const int index : {0, 1, 3, 4, 5, 7, 8, 9}) {
        ASSERT_TRUE(saveBmpFile(folder / ("Graphics/" + profiles[index].name + ".bmp"),
                                PixelImage(75, 100 + index)));
    }
    boxes.clear();
    loadRoster(roster);
    EXPECT_EQ(roster[1].picture.height(), 101);
    EXPECT_EQ(roster[9].picture.height(), 109);
    EXPECT_EQ(roster[6].picture.width(), 0);
    EXPECT_EQ(roster[2].picture.width(), 0);
    EXPECT_TRUE(roster[2].picture.isLoaded());
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{missing("../Secret"), missing("Player6")}));
}

TEST(Roster, APictureNameThatCouldLeaveGraphicsIsRefused) {
    const test::TempDirectory folder("roster");
    const struct {
        std::string name;
        bool allowed;
    } cases[] = {
        {"Greta Holm", true},   {"Ren\xE9 Dubois", true},
        {"J. R. Smith", true},  {"../Secret", false},
        {"..", false},          {"Data/Secret", false},
        {"/etc/passwd", false}, {"..\\Secret", false},
        {"Mr..Secret", false},  {"Tab\tName", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(computerPicturePath(c.name).has_value(), c.allowed) << c.name;
    }
    EXPECT_EQ(computerPicturePath("Ren\xE9 Dubois"), folder / "Graphics/Ren\xC3\xA9 Dubois.bmp");
}

TEST(RosterMutation, DamagedRosterFilesReadWithoutCrashOrSpill) {
    const std::vector<std::byte> shipped =
        test::readBytes(std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Computers.dat");
    ASSERT_FALSE(shipped.empty());
    std::mt19937 random(99);
    for (int round = 0; round < 25000; ++round) {
        const std::vector<std::byte> bytes = test::mutate(shipped, random);
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        Roster roster;
        {
            const test::AllocationWatch watch;
            parseRoster(text, roster);
            ASSERT_LE(watch.stats().largestBytes, 256u) << "no text is longer than its field";
        }
        for (const ComputerProfile& profile : roster) {
            ASSERT_LE(profile.name.size(), 31u);
            ASSERT_LE(profile.levelText.size(), 31u);
            ASSERT_LE(profile.description.size(), 255u);
            ASSERT_EQ(profile.name.find('\n'), std::string::npos);
            ASSERT_EQ(profile.description.find('\n'), std::string::npos);
        }
    }
}

} // namespace
} // namespace vh
