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

std::filesystem::path shippedRoster() {
    return std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Computers.dat";
}

TEST(ShippedRoster, HoldsTenProfilesOfEightLinesAndNothingMore) {
    const std::vector<std::byte> bytes = test::readBytes(shippedRoster());
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
    Roster roster;
    ASSERT_TRUE(readRosterFile(shippedRoster(), roster));
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

} // namespace
} // namespace vh
