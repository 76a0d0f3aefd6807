#include "tests/cli/cli_runner.h"
#include "tests/support/temp_directory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vh::cli {
namespace {

// The program directory of the build: the shipped roster is there.
std::string programDirectory() {
    return std::filesystem::path(VARNHOLT_PROGRAM_DIR).string();
}

TEST(GameCommand, PlaysWholeGamesAndTotalsThemPerOpponent) {
    test::TempDirectory directory("cli-game");
    const std::string save = (directory / "tenth.vhf").string();
    const Outcome outcome =
        run({"game", "--players", "Milo", "Tobias", "--games", "3", "--seed", "9", "--budget-ms",
             "5", "--save", save, "--program-dir", programDirectory()});
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("game 1: "), std::string::npos);
    EXPECT_NE(outcome.out.find("game 3: "), std::string::npos);
    EXPECT_NE(outcome.out.find("Milo: games 3 wins "), std::string::npos);
    EXPECT_NE(outcome.out.find("Tobias: games 3 wins "), std::string::npos);

    const Outcome opened = run({"open", save});
    ASSERT_EQ(opened.code, 0) << opened.err;
    EXPECT_NE(opened.out.find("side 0: Milo (computer)"), std::string::npos);
    EXPECT_NE(opened.out.find("turns played 10"), std::string::npos);
    EXPECT_NE(opened.out.find(" 13 14 15 16 17 18"), std::string::npos);
}

TEST(GameCommand, BadCommandLinesAreRefused) {
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const Case cases[] = {
        {{"game", "--players", "Milo"}, "varnholt-cli: option --players needs 2 values\n"},
        {{"game", "--players", "Milo", "Greta", "--games", "0"},
         "varnholt-cli: games 0 is outside 1..100000\n"},
        {{"game", "--players", "A", "B", "--program-dir", "/nonexistent/dir"},
         "varnholt-cli: program directory '/nonexistent/dir' does not exist\n"},
        {{"open"}, "varnholt-cli: 'open' needs one saved-game file\n"},
        {{"open", "/nonexistent/game.vhf"},
         "varnholt-cli: /nonexistent/game.vhf cannot be opened as a saved game: the file does not "
         "exist\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.code, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, c.err);
    }
}

TEST(OpenCommand, RefusesADamagedFileWithItsReason) {
    test::TempDirectory directory("cli-open");
    directory.write("short.vhf", std::string(40, '\1'));
    const Outcome outcome = run({"open", (directory / "short.vhf").string()});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_NE(outcome.err.find("cannot be opened as a saved game:"), std::string::npos);
}

} // namespace
} // namespace vh::cli
