#include "players/roster_file.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/mutations.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

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
