#include "platform/program_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(ProgramDirectory, DefaultsToTheWorkingDirectoryAndJoinsDataPaths) {
    EXPECT_EQ(programDirectory(), std::filesystem::current_path());
    setProgramDirectory("/opt/varnholt");
    EXPECT_EQ(programPath("Data/Settings.dat"),
              std::filesystem::path("/opt/varnholt/Data/Settings.dat"));
    EXPECT_EQ(programPath("Too many turns.txt").filename(), "Too many turns.txt");
}

} // namespace
} // namespace vh
