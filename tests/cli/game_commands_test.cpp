#include "tests/cli/cli_runner.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vh::cli {
namespace {

TEST(GameCommand, PlaysWholeGamesTotalsThemPerOpponentAndOpensTheSavedOne) {
    const test::TempDirectory directory("cli-game");
    const std::string save = (directory / "tenth.vhf").string();
    const Outcome outcome = run("game --players Milo Tobias --games 3 --seed 9 --budget-ms 5 "
                                "--save " +
                                save + " --program-dir " + VARNHOLT_PROGRAM_DIR);
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    for (const char* line :
         {"game 1: ", "game 3: ", "Milo: games 3 wins ", "Tobias: games 3 wins "}) {
        EXPECT_NE(outcome.out.find(line), std::string::npos) << line;
    }
    const Outcome opened = run("open " + save);
    ASSERT_EQ(opened.code, 0) << opened.err;
    for (const char* line : {"side 0: Milo (computer)", "turns played 10", " 13 14 15 16 17 18"}) {
        EXPECT_NE(opened.out.find(line), std::string::npos) << line;
    }
    const std::size_t cube = opened.out.find("\ncube ");
    ASSERT_NE(cube, std::string::npos);
    const std::string line =
        opened.out.substr(cube + 1, opened.out.find('\n', cube + 1) - cube - 1);
    const std::string owner = line.substr(line.rfind(' ') + 1);
    EXPECT_NE(line.find(" owner "), std::string::npos) << line;
    EXPECT_TRUE(owner == "-" || owner == "0" || owner == "1") << line;

    // Its review: a line per turn of the history, then one per side; the
    // same as JSON.
    const Outcome review = run("review " + save + " --program-dir " + VARNHOLT_PROGRAM_DIR);
    ASSERT_EQ(review.code, 0) << review.err;
    const std::vector<std::string> rows = lines(review.out);
    ASSERT_EQ(rows.size(), 12u) << review.out;
    EXPECT_EQ(rows[0].rfind("turn 1 side ", 0), 0u) << rows[0];
    EXPECT_NE(rows[0].find(", best "), std::string::npos) << rows[0];
    EXPECT_EQ(rows[10].rfind("side 0 Milo: decisions ", 0), 0u) << rows[10];
    EXPECT_NE(rows[11].find(", PR "), std::string::npos) << rows[11];
    const Outcome json = run("review " + save + " --json --program-dir " + VARNHOLT_PROGRAM_DIR);
    ASSERT_EQ(json.code, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"sides\":[{\"name\":\"Milo\",\"decisions\":", 0), 0u) << json.out;
    EXPECT_EQ(occurrences(json.out, "\"played\":"), 10u);
    expectRefused({"review " + save + " --depth 2", "unknown option '--depth' for 'review'"});
}

TEST(GameCommand, BadCommandLinesAreRefused) {
    const Refusal cases[] = {
        {"game --players Milo", "option --players needs 2 values"},
        {"game --players Milo Greta --games 0", "games 0 is outside 1..100000"},
        {"game --players A B --program-dir /nonexistent/dir",
         "program directory '/nonexistent/dir' does not exist"},
        {"open", "'open' needs one saved-game file"},
        {"open /nonexistent/game.vhf",
         "/nonexistent/game.vhf cannot be opened as a saved game: the file does not exist"},
    };
    for (const Refusal& c : cases) {
        expectRefused(c);
    }
}

} // namespace
} // namespace vh::cli
