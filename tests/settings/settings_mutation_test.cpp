#include "settings/settings_file.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/mutations.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

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
