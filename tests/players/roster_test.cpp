#include "board/bmp_file.h"
#include "platform/message_box.h"
#include "players/roster_file.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

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

TEST(Roster, ReadsTenProfilesOfEightLines) {
    Roster roster;
    std::vector<ProfileText> profiles = tenProfiles();
    profiles[3] = {"Bob", "35 and a word", "Beginner", "  1250", "+2", "-1", "Learns fast."};
    parseRoster(rosterText(profiles), roster);
    EXPECT_EQ(roster[3].name, "Bob");
    EXPECT_EQ(roster[3].age, 35);
    EXPECT_EQ(roster[3].levelText, "Beginner");
    EXPECT_EQ(roster[3].cash, 1250);
    EXPECT_EQ(roster[3].evalParamA, 2);
    EXPECT_EQ(roster[3].evalParamB, -1);
    EXPECT_EQ(roster[3].description, "Learns fast.");
    EXPECT_EQ(listEntry(roster[3]), "Bob (Beginner)");
    EXPECT_EQ(roster[9].name, "Player9");
    EXPECT_EQ(roster[9].cash, 9000);
    EXPECT_EQ(roster[9].evalParamA, -9);
    EXPECT_EQ(roster[0].age, 20);
}

TEST(Roster, WindowsLineEndsAreStripped) {
    Roster unix;
    Roster windows;
    parseRoster(rosterText(tenProfiles()), unix);
    parseRoster(rosterText(tenProfiles(), "\r\n"), windows);
    for (int index = 0; index < kRosterSize; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(windows[index].name, unix[index].name);
        EXPECT_EQ(windows[index].levelText, unix[index].levelText);
        EXPECT_EQ(windows[index].description, unix[index].description);
        EXPECT_EQ(windows[index].cash, unix[index].cash);
    }
    EXPECT_EQ(windows[4].name, "Player4");
}

TEST(Roster, ANonNumericLineGivesZeroAndSpoilsNothingAfterIt) {
    std::vector<ProfileText> profiles = tenProfiles();
    profiles[0].age = "unknown";
    profiles[0].cash = "lots";
    profiles[1].paramA = "-";
    Roster roster;
    parseRoster(rosterText(profiles), roster);
    EXPECT_EQ(roster[0].age, 0);
    EXPECT_EQ(roster[0].levelText, "Level 0");
    EXPECT_EQ(roster[0].cash, 0);
    EXPECT_EQ(roster[0].evalParamA, 0);
    EXPECT_EQ(roster[1].evalParamA, 0);
    EXPECT_EQ(roster[1].evalParamB, 1);
    EXPECT_EQ(roster[9].name, "Player9");
    EXPECT_EQ(roster[9].cash, 9000);
}

TEST(Roster, IntegersSkipEmptyLinesAndStopAtTheirLimits) {
    std::vector<ProfileText> profiles = tenProfiles();
    profiles[2].age = "\n\n  41";     // blank lines before the number are skipped
    profiles[5].cash = "99999999999"; // beyond 32 bits: the largest value
    profiles[5].paramA = "-99999999999";
    Roster roster;
    parseRoster(rosterText(profiles), roster);
    EXPECT_EQ(roster[2].age, 41);
    EXPECT_EQ(roster[2].levelText, "Level 2");
    EXPECT_EQ(roster[5].cash, 2147483647);
    EXPECT_EQ(roster[5].evalParamA, -2147483647 - 1);
    EXPECT_EQ(roster[9].description, "Description of player 9");
}

TEST(Roster, LongLinesAreCutAtTheirFieldAndNeverSpillOver) {
    std::vector<ProfileText> profiles = tenProfiles();
    profiles[0].name = std::string(40, 'N');
    profiles[0].level = std::string(50, 'L');
    profiles[0].description = std::string(300, 'D');
    profiles[0].age = "30" + std::string(400, ' ') + "x";
    Roster roster;
    parseRoster(rosterText(profiles), roster);
    EXPECT_EQ(roster[0].name, std::string(31, 'N'));
    EXPECT_EQ(roster[0].levelText, std::string(31, 'L'));
    EXPECT_EQ(roster[0].description, std::string(255, 'D'));
    EXPECT_EQ(roster[0].age, 30);
    EXPECT_EQ(roster[0].cash, 0);
    EXPECT_EQ(roster[1].name, "Player1");
}

TEST(Roster, AShortFileLeavesTheRestAtTheirDefaults) {
    std::string text = rosterText(tenProfiles());
    // Cut inside profile 2, after its level text.
    text.resize(text.find("Level 2\n") + 8);
    Roster roster;
    parseRoster(text, roster);
    EXPECT_EQ(roster[1].name, "Player1");
    EXPECT_EQ(roster[2].name, "Player2");
    EXPECT_EQ(roster[2].age, 22);
    EXPECT_EQ(roster[2].levelText, "Level 2");
    EXPECT_EQ(roster[2].cash, 100);
    EXPECT_EQ(roster[2].description, "DESCRIPTION");
    EXPECT_EQ(roster[3].name, "NAME");
    EXPECT_EQ(roster[9].name, "NAME");
    EXPECT_EQ(roster[9].cash, 100);
    EXPECT_EQ(roster[9].evalParamA, 0);
    EXPECT_EQ(roster[9].evalParamB, 0);
    EXPECT_EQ(roster[9].description, "DESCRIPTION");
}

TEST(Roster, AUtf8FileIsReadIntoTheCodePage) {
    std::vector<ProfileText> profiles = tenProfiles();
    profiles[0].name = "\xEF\xBB\xBFJ\xC3\xB6rg";
    profiles[0].description = "Caf\xC3\xA9 \xE2\x82\xAC 5";
    Roster roster;
    parseRoster(rosterText(profiles), roster);
    EXPECT_EQ(roster[0].name, "J\xF6rg");
    EXPECT_EQ(roster[0].description, "Caf\xE9 \x80 5");
    EXPECT_EQ(roster[1].name, "Player1");
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

    const struct {
        std::string text;
        int byText;
    } listCases[] = {
        {"Anna (Expert)", 5},
        {"Ann (Novice)", 2},
        {"Opponent7 (Level)", 7},
        {"Nobody (Level)", -1},
    };
    for (const auto& c : listCases) {
        EXPECT_EQ(profileByText(roster, c.text), c.byText) << c.text;
    }
    EXPECT_EQ(profileByText(roster, listEntry(roster[5])), 5);

    const struct {
        std::string player;
        int profile;
    } playerCases[] = {
        {"Ann", 5}, // Anna contains Ann, and the last match wins
        {"Anna", 5},
        {"Opponent3", 3},
        {"Stranger", 0}, // no match: slot 0
    };
    for (const auto& c : playerCases) {
        EXPECT_EQ(profileForPlayer(roster, c.player), c.profile) << c.player;
    }
}

TEST(Roster, AMissingFileGivesDefaultsAndOnePictureBoxAProfile) {
    const test::TempDirectory folder("roster");
    RecordingMessageBoxes boxes;
    const ScopedMessageBoxes installed(boxes);
    Roster roster;
    roster[4].name = "Leftover";
    loadRoster(roster);
    EXPECT_EQ(roster[4].name, "NAME");
    const std::string box = (folder / "Graphics/NAME.bmp").string() + " could not be loaded!";
    EXPECT_EQ(boxes.texts(), std::vector<std::string>(kRosterSize, box));
    EXPECT_TRUE(roster[0].picture.isLoaded());
}

TEST(Roster, PicturesAreLoadedByName) {
    const test::TempDirectory folder("roster");
    std::vector<ProfileText> profiles = tenProfiles();
    profiles[1].name = "Greta Holm";
    folder.write("Data/Computers.dat", rosterText(profiles));
    std::filesystem::create_directories(folder / "Graphics");
    for (int index = 0; index < kRosterSize; ++index) {
        const std::string name = index == 1 ? "Greta Holm" : "Player" + std::to_string(index);
        if (index != 6) {
            ASSERT_TRUE(
                saveBmpFile(folder / ("Graphics/" + name + ".bmp"), PixelImage(75, 100 + index)));
        }
    }
    RecordingMessageBoxes boxes;
    const ScopedMessageBoxes installed(boxes);
    Roster roster;
    loadRoster(roster);
    EXPECT_EQ(roster[1].picture.height(), 101);
    EXPECT_EQ(roster[9].picture.height(), 109);
    EXPECT_EQ(roster[6].picture.width(), 0);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{(folder / "Graphics/Player6.bmp").string() +
                                                      " could not be loaded!"});
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

    // A picture that exists outside Graphics/ is still not read.
    ASSERT_TRUE(saveBmpFile(folder / "Secret.bmp", PixelImage(75, 100)));
    std::vector<ProfileText> profiles = tenProfiles();
    profiles[2].name = "../Secret";
    folder.write("Data/Computers.dat", rosterText(profiles));
    RecordingMessageBoxes boxes;
    const ScopedMessageBoxes installed(boxes);
    Roster roster;
    loadRoster(roster);
    EXPECT_EQ(roster[2].picture.width(), 0);
    EXPECT_TRUE(roster[2].picture.isLoaded());
    EXPECT_EQ(boxes.texts()[2],
              (folder / "Graphics/../Secret.bmp").string() + " could not be loaded!");
}

} // namespace
} // namespace vh
