#include "platform/version.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vh::cli {
namespace {

const std::string kEnterPosition = "0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,13,15";
const std::string kCommaPosition = "0,0,0,0,0,0,0,-1,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,14,14";
const std::string kEnterPlays =
    "3:24/21 1:10/9\n3:24/21 1:21/20\n1:24/23 3:10/7\n1:24/23 3:23/20\n4 plays\n";
const std::string kHitPlays = "3:10/7* 1:7/6\n1:10/9 3:9/6\n2 plays\n";

TEST(Cli, CommandLinesGiveTheirExactOutput) {
    expectOutput("plays --position " + kEnterPosition + " --side 0 --dice 3 1", kEnterPlays);
    expectOutput("plays --position " + kCommaPosition + " --side 0 --dice 3 1 --used 1,0,1,1",
                 "1:10/9\n1:10/9\n2 plays\n");
    expectOutput("plays --side 0 --dice 6 6 --position "
                 "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,-2,0,0,0,0,0,2,0,13,13",
                 "0 plays\n");
    expectOutput("--version", "varnholt-cli " + std::string(programVersion()) + "\n");
}

TEST(Cli, BadCommandLinesAreRefusedWithTheirReason) {
    const std::string roll = " --side 0 --dice 3 1";
    // 28 numbers, zero but at one entry; with 27 when `count` says so.
    const auto numbers = [](int entry, const std::string& value, int count = 28) {
        std::string text;
        for (int index = 0; index < count; ++index) {
            text += (index > 0 ? "," : "") + (index == entry ? value : "0");
        }
        return text;
    };
    const Refusal cases[] = {
        {"", "no command given (try --help)"},
        {"dance", "unknown command 'dance' (try --help)"},
        {"plays --position start" + roll + " --fast", "unknown option '--fast' for 'plays'"},
        {"plays --position " + numbers(0, "0", 27) + roll, "position needs 28 numbers, got 27"},
        {"plays --position " + numbers(2, "x") + roll,
         "position: point 2 'x' is not a whole number"},
        {"plays --position " + numbers(0, "16") + roll, "position: point 0 16 is outside -15..15"},
        {"plays --position 15," + numbers(23, "1", 27) + roll,
         "position has 16 checkers of side 0, at most 15 allowed"},
        {"plays --position " + numbers(25, "-1") + roll,
         "position: bar of side 1 is negative (-1)"},
        {"plays --position " + numbers(26, "-3") + roll,
         "position: borne-off count of side 0 is negative (-3)"},
        {"plays --position start --side 0 --dice 7 1", "die 7 is outside 1..6"},
        {"plays --position start --side 1 --dice 3 0", "die 0 is outside 1..6"},
        {"plays --position start --side 0 --dice 3", "option --dice needs 2 values"},
        {"plays --position start --side 2 --dice 3 1", "side 2 is outside 0..1"},
        {"plays" + roll, "'plays' needs --position"},
        {"plays --position start" + roll + " --used 0,0,2,1", "used flag 2 2 is outside 0..1"},
        {"plays --side 0 --side 1", "option --side is given twice"},
        {"plays --batch /nonexistent/cases.txt", "cannot read batch file '/nonexistent/cases.txt'"},
        {"plays --batch cases.txt --position start",
         "--batch reads its cases from the file; drop --position"},
        {"selfplay --seed 3", "'selfplay' needs --games"},
        {"selfplay --games 0", "games 0 is outside 1..1000000"},
    };
    for (const Refusal& c : cases) {
        expectRefused(c);
    }
}

TEST(Cli, HelpListsEveryCommand) {
    const Outcome outcome = run("--help");
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, "");
    for (const char* command :
         {"plays --position", "plays --batch", "selfplay --games", "stats [--file PATH]",
          "settings [--file PATH]", "evaluate --position", "choose --position", "choose --batch",
          "selfplay --games N --strength", "export FILE.vhf", "import FILE.mat", "posid --id",
          "met [--length L]"}) {
        EXPECT_NE(outcome.out.find(command), std::string::npos) << command;
    }
}

TEST(Cli, BatchListsEachCaseInTurnAndNamesTheLineOfABadOne) {
    const test::TempDirectory folder("cli-batch");
    const std::string file = (folder / "cases.txt").string();
    folder.write("cases.txt", "# side, dice | position\n0 3 1 | " + kEnterPosition +
                                  "\n\n1 6 6 | 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
                                  "0 15 15\n0 3 1 | " +
                                  kCommaPosition + "\n");
    const Outcome outcome = run({"plays", "--batch", file});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, "case 1\n" + kEnterPlays + "case 2\n0 plays\ncase 3\n" + kHitPlays);

    const struct {
        std::string line;
        std::string message;
    } cases[] = {
        {"0 3 1 " + kEnterPosition, "expected 'S D1 D2 | P'"},
        {"0 3 | start", "expected side and two dice before '|', got 2 words"},
        {"0 3 9 | start", "die 9 is outside 1..6"},
        {"0 3 1 | 1 2 3", "position needs 28 numbers, got 3"},
    };
    for (const auto& c : cases) {
        folder.write("cases.txt", "0 6 5 | start\n" + c.line + "\n");
        expectRefused({"plays --batch " + file, file + ":2: " + c.message});
    }
}

TEST(Cli, SelfplayIsRepeatableForASeedAndCountsEveryGame) {
    const Outcome first = run("selfplay --games 20 --seed 11");
    ASSERT_EQ(first.code, 0);
    EXPECT_EQ(first.out, run("selfplay --games 20 --seed 11").out);
    EXPECT_NE(first.out, run("selfplay --games 20 --seed 12").out);
    EXPECT_NE(first.out.find("seed 11\ngames 20\n"), std::string::npos);

    int gameLines = 0;
    int wins = 0;
    for (const std::string& line : lines(first.out)) {
        gameLines += line.rfind("game ", 0) == 0 ? 1 : 0;
        int side = 0;
        int sideWins = 0;
        if (std::sscanf(line.c_str(), "side %d wins %d gammons", &side, &sideWins) == 2) {
            wins += sideWins;
        }
    }
    EXPECT_EQ(gameLines, 20);
    EXPECT_EQ(wins, 20);
}

TEST(Cli, SelfplayOfOneGameShowsTheBoardAfterEveryTurn) {
    const Outcome outcome = run("selfplay --games 1 --seed 5");
    ASSERT_EQ(outcome.code, 0);
    const std::size_t turns = occurrences(outcome.out, "\nturn ");
    EXPECT_GT(turns, 10u);
    EXPECT_EQ(occurrences(outcome.out, " 13 14 15"), turns + 1)
        << "the start board, then one per turn";
    const bool sideZeroWon = outcome.out.find("side 0 wins 1") != std::string::npos;
    EXPECT_NE(outcome.out.find(sideZeroWon ? "off X 15 O" : "O 15   pips"), std::string::npos);
}

} // namespace
} // namespace vh::cli
