#include "settings/settings_file.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/hand_bytes.h"
#include "tests/support/mutations.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <numeric>

namespace vh {
namespace {

using test::HandBytes;

GameSettings everyFieldChanged() {
    GameSettings s;
    s.reservedFirst = -7;
    s.playerIsComputer = {1, 0};
    s.playerName = {"The Lighthouse Keeper", "J\xF6rg"};
    s.useTimer = 1;
    s.initialMinutes = 15;
    s.initialSeconds = 30;
    s.perMoveMinutes = 1;
    s.perMoveSeconds = 5;
    s.mouseInputMode = 2;
    s.showMovesOnHover = 1;
    s.completeAnimation = 0;
    s.animationSpeed = 200;
    s.muteSounds = 1;
    s.wallpaperMode = 2;
    s.bgRed = 1;
    s.bgGreen = 2;
    s.bgBlue = 3;
    s.wallpaperPath = "/home/player/Pictures/sea.bmp";
    s.stretchWallpaper = 1;
    s.statisticsPlayer = "Anonymous";
    s.reservedText = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 255};
    s.startedFlag = 0;
    s.pipColourA = 4;
    s.pipColourB = 5;
    s.stoneColourA = 3;
    s.stoneColourB = 2;
    s.boardWood = 1;
    s.boardMarble = 4;
    s.showPipNumbers = 0;
    s.matchBet = 250;
    return s;
}

TEST(SettingsFile, WithoutAFileEveryFieldHasItsDefaultAndDefaultsAreWrittenByteForByte) {
    HandBytes expected;
    expected.int32(0).int32(0).int32(0).text("", 32).text("", 32);
    for (const int value : {0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 16, 11, 218}) {
        expected.int32(value);
    }
    expected.text("", 4096).int32(0).text("", 32).text("", 14);
    for (const int value : {1, 0, 0xFFFFFF, 1, 2, 1, 2, 1, 1}) {
        expected.int32(value);
    }
    ASSERT_EQ(expected.bytes().size(), kSettingsFileSize);

    const test::TempDirectory folder("settings");
    GameSettings s = everyFieldChanged();
    loadSettings(s);
    EXPECT_EQ(s, GameSettings{});
    EXPECT_FALSE(std::filesystem::exists(folder / "Data/Settings.dat"));
    ASSERT_TRUE(saveSettings(GameSettings{}));
    EXPECT_EQ(test::readBytes(folder / "Data/Settings.dat"), expected.bytes());
}

TEST(SettingsFile, EveryFieldSurvivesSaveAndLoadAndLongTextsAreCut) {
    const test::TempDirectory folder("settings");
    const GameSettings saved = everyFieldChanged();
    ASSERT_TRUE(saveSettings(saved));
    GameSettings loaded;
    loadSettings(loaded);
    EXPECT_EQ(loaded, saved);

    // The text fields sit where the file's layout puts them.
    const std::vector<std::byte> bytes = test::readBytes(folder / "Data/Settings.dat");
    EXPECT_EQ(bytes[12], std::byte{'T'});
    EXPECT_EQ(bytes[44], std::byte{'J'});
    EXPECT_EQ(bytes[45], std::byte{0xF6});
    EXPECT_EQ(bytes[76 + 56], std::byte{'/'});
    EXPECT_EQ(bytes[76 + 56 + 4096 + 4], std::byte{'A'});
    EXPECT_EQ(bytes[4264], std::byte{1}) << "reservedText starts after statisticsPlayer";

    // Texts longer than their fields are cut on save.
    GameSettings s;
    s.playerName[0] = std::string(40, 'x');
    s.wallpaperPath = std::string(5000, 'w');
    ASSERT_TRUE(saveSettings(s));
    EXPECT_EQ(std::filesystem::file_size(folder / "Data/Settings.dat"), kSettingsFileSize);
    loadSettings(loaded);
    EXPECT_EQ(loaded.playerName[0], std::string(31, 'x'));
    EXPECT_EQ(loaded.wallpaperPath, std::string(4095, 'w'));

    // Texts without a NUL in a file read cut, and the fields after them stay in place.
    std::vector<std::byte> unended = encodeSettings(GameSettings{});
    std::fill(unended.begin() + 12, unended.begin() + 76, std::byte{'n'});
    EXPECT_EQ(decodeSettings(unended, loaded), kSettingsFieldCount);
    GameSettings expected;
    expected.playerName = {std::string(31, 'n'), std::string(31, 'n')};
    EXPECT_EQ(loaded, expected);
}

TEST(SettingsFile, AShortFileKeepsTheFieldsItHoldsWhole) {
    const std::vector<std::byte> full = encodeSettings(everyFieldChanged());
    const GameSettings changed = everyFieldChanged();
    const GameSettings defaults;
    const struct {
        std::size_t length;
        int fieldsRead;
    } cases[] = {
        {0, 0},           {3, 0},     {4, 1},    {12, 3},
        {43, 3},          {44, 4},    {132, 19}, // cut after bgBlue
        {132 + 4095, 19},                        // inside the wallpaper path
        {4314 - 1, 31},   {4314, 32},
    };
    const std::size_t sizes[] = {4, 4, 4, 32,   32, 4,  4,  4, 4, 4, 4, 4, 4, 4, 4, 4,
                                 4, 4, 4, 4096, 4,  32, 14, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        GameSettings s = changed;
        EXPECT_EQ(decodeSettings(std::span(full).first(c.length), s), c.fieldsRead);
        // The first fieldsRead fields come from the file, the rest are defaults:
        // the same as a whole file spliced from the two at that field's end.
        std::vector<std::byte> spliced = encodeSettings(defaults);
        std::copy_n(full.begin(), std::accumulate(sizes, sizes + c.fieldsRead, std::size_t{0}),
                    spliced.begin());
        GameSettings reference;
        decodeSettings(spliced, reference);
        EXPECT_EQ(s, reference);
        if (c.length == 132) {
            EXPECT_EQ(s.bgBlue, 3);
            EXPECT_EQ(s.wallpaperPath, "");
            EXPECT_EQ(s.matchBet, 1);
        }
    }
}

// A folder where the file should go can be neither replaced nor read.
TEST(SettingsFile, AFailedSaveOrReadSaysWhy) {
    const test::TempDirectory folder("settings");
    const std::filesystem::path blocked = folder / "Blocked/Settings.dat";
    std::filesystem::create_directories(blocked);
    std::string error;
    EXPECT_FALSE(saveSettingsFile(blocked, GameSettings{}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(blocked));

    GameSettings loaded;
    const SettingsLoad load = loadSettingsFile(blocked, loaded);
    EXPECT_FALSE(load.fileRead);
    EXPECT_EQ(load.error, "not a regular file");
    EXPECT_EQ(loaded, GameSettings{});
}

TEST(SettingsMutation, DamagedFilesReadWithoutCrashOrWildAllocation) {
    GameSettings original;
    original.playerName = {"Milo Finch", "Anonymous"};
    original.wallpaperPath = "Wallpapers/harbour.bmp";
    original.matchBet = 50;
    const std::vector<std::byte> bytes = encodeSettings(original);
    std::mt19937 random(20240611);
    const GameSettings defaults;
    int cut = 0;
    for (int round = 0; round < 30000; ++round) {
        const std::vector<std::byte> damaged = test::mutate(bytes, random);
        GameSettings settings;
        int fields = 0;
        {
            const test::AllocationWatch watch;
            fields = decodeSettings(damaged, settings);
            // Only the texts allocate, each no more than its field.
            ASSERT_LE(watch.stats().largestBytes, kWallpaperPathSize);
        }
        ASSERT_GE(fields, 0);
        ASSERT_LE(fields, kSettingsFieldCount);
        ASSERT_LE(settings.playerName[0].size(), 31u);
        ASSERT_LE(settings.playerName[1].size(), 31u);
        ASSERT_LE(settings.wallpaperPath.size(), 4095u);
        ASSERT_LE(settings.statisticsPlayer.size(), 31u);
        if (damaged.size() < bytes.size()) {
            ++cut;
            ASSERT_LT(fields, kSettingsFieldCount);
            ASSERT_EQ(settings.matchBet, defaults.matchBet) << "the last field is never read";
        } else {
            ASSERT_EQ(fields, kSettingsFieldCount);
        }
    }
    EXPECT_GT(cut, 1000) << "the mutations cut files often enough to matter";
}

} // namespace
} // namespace vh
