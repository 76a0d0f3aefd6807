#include "tests/cli/cli_runner.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vh::cli {
namespace {

TEST(PosidCommand, AnIdItWritesReadsBackAsTheSameGame) {
    const std::string position = "-2,0,0,0,2,4,0,2,0,0,0,-5,5,0,0,0,-3,0,-4,0,0,0,0,1,1,1,0,0";
    const Outcome written =
        run("posid --position " + position + " --side 1 --cube 4 --owner 0 --dice 6 5");
    ASSERT_EQ(written.code, 0) << written.err;
    ASSERT_EQ(written.out.size(), 14u + 1 + 12 + 1) << written.out;
    const Outcome read = run("posid --id " + written.out.substr(0, 27));
    ASSERT_EQ(read.code, 0) << read.err;
    std::string expected = "position " + position + "\nside 1\ncube 4 owner 0\ndice 6 5\n";
    std::replace(expected.begin(), expected.end(), ',', ' ');
    EXPECT_EQ(read.out, expected);
    EXPECT_EQ(run("posid --position start --side 0").out.substr(0, 15), "4HPwATDgc/ABMA:");
}

TEST(PosidCommand, BadIdsAndOptionsAreRefused) {
    const Refusal cases[] = {
        {"posid --id 4HPwATDgc/AB",
         "'4HPwATDgc/AB' is not a position ID: a position ID has 14 characters, not 12"},
        {"posid --id 4HPwATDgc/ABMA:MIEF!AAAAAAE", "'4HPwATDgc/ABMA:MIEF!AAAAAAE' is not a "
                                                   "position ID: '!' (character 5) is not a "
                                                   "base64 character"},
        {"posid --id 4HPwATDgc/ABMA --side 1", "--id gives the whole game; drop --side"},
        {"posid --position start --side 0 --cube 3", "cube 3 is not a power of two"},
        {"posid --position start --side 0 --owner 2", "side 2 is outside 0..1"},
    };
    for (const Refusal& c : cases) {
        expectRefused(c);
    }
}

} // namespace
} // namespace vh::cli
