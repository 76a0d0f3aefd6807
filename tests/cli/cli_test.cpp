#include "platform/version.h"
#include "tests/cli/cli_runner.h"
#include "tools/varnholt-cli/cli.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace vh::cli {
namespace {

const std::string kEnterPosition = "0 0 0 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 13 15";
const std::string kCommaPosition = "0,0,0,0,0,0,0,-1,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,14,14";

struct CliCase {
    const char* name;
    std::vector<std::string> arguments;
    int code;
    std::string out;
    std::string err;
};

TEST(Cli, CommandLinesGiveTheirExactOutputAndExitCode) {
    const std::string tooMany = "16 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    const std::string spread = "15 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 0";
    const CliCase cases[] = {
        {"bar entry first",
         {"plays", "--position", kEnterPosition, "--side", "0", "--dice", "3", "1"},
         0,
         "3:24/21 1:10/9\n3:24/21 1:21/20\n1:24/23 3:10/7\n1:24/23 3:23/20\n4 plays\n",
         ""},
        {"commas and a hit",
         {"plays", "--position", kCommaPosition, "--side", "0", "--dice", "3", "1"},
         0,
         "3:10/7* 1:7/6\n1:10/9 3:9/6\n2 plays\n",
         ""},
        {"used flags",
         {"plays", "--position", kCommaPosition, "--side", "0", "--dice", "3", "1", "--used",
          "1,0,1,1"},
         0,
         "1:10/9\n1:10/9\n2 plays\n",
         ""},
        {"no legal play",
         {"plays", "--position", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -2 0 0 0 0 0 2 0 13 13",
          "--side", "0", "--dice", "6", "6"},
         0,
         "0 plays\n",
         ""},
        {"no command", {}, 2, "", "varnholt-cli: no command given (try --help)\n"},
        {"version", {"--version"}, 0, "varnholt-cli " + std::string(programVersion()) + "\n", ""},
        {"unknown command",
         {"dance"},
         2,
         "",
         "varnholt-cli: unknown command 'dance' (try --help)\n"},
        {"unknown option",
         {"plays", "--position", "start", "--side", "0", "--dice", "3", "1", "--fast"},
         2,
         "",
         "varnholt-cli: unknown option '--fast' for 'plays'\n"},
        {"27 numbers",
         {"plays", "--position", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "--side",
          "0", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: position needs 28 numbers, got 27\n"},
        {"not a number",
         {"plays", "--position", "0 0 x 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
          "--side", "0", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: position: point 2 'x' is not a whole number\n"},
        {"more than 15 on a point",
         {"plays", "--position", tooMany, "--side", "0", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: position: point 0 16 is outside -15..15\n"},
        {"more than 15 of a side",
         {"plays", "--position", spread, "--side", "0", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: position has 16 checkers of side 0, at most 15 allowed\n"},
        {"negative bar",
         {"plays", "--position", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1 0 0",
          "--side", "0", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: position: bar of side 1 is negative (-1)\n"},
        {"negative off count",
         {"plays", "--position", "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -3 0",
          "--side", "0", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: position: borne-off count of side 0 is negative (-3)\n"},
        {"die 7",
         {"plays", "--position", "start", "--side", "0", "--dice", "7", "1"},
         2,
         "",
         "varnholt-cli: die 7 is outside 1..6\n"},
        {"die 0",
         {"plays", "--position", "start", "--side", "1", "--dice", "3", "0"},
         2,
         "",
         "varnholt-cli: die 0 is outside 1..6\n"},
        {"one die only",
         {"plays", "--position", "start", "--side", "0", "--dice", "3"},
         2,
         "",
         "varnholt-cli: option --dice needs 2 values\n"},
        {"side 2",
         {"plays", "--position", "start", "--side", "2", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: side 2 is outside 0..1\n"},
        {"missing position",
         {"plays", "--side", "0", "--dice", "3", "1"},
         2,
         "",
         "varnholt-cli: 'plays' needs --position\n"},
        {"bad used flags",
         {"plays", "--position", "start", "--side", "0", "--dice", "3", "1", "--used", "0,0,2,1"},
         2,
         "",
         "varnholt-cli: used flag 2 2 is outside 0..1\n"},
        {"option twice",
         {"plays", "--side", "0", "--side", "1"},
         2,
         "",
         "varnholt-cli: option --side is given twice\n"},
        {"missing batch file",
         {"plays", "--batch", "/nonexistent/cases.txt"},
         2,
         "",
         "varnholt-cli: cannot read batch file '/nonexistent/cases.txt'\n"},
        {"batch with a position",
         {"plays", "--batch", "cases.txt", "--position", "start"},
         2,
         "",
         "varnholt-cli: --batch reads its cases from the file; drop --position\n"},
        {"selfplay without games",
         {"selfplay", "--seed", "3"},
         2,
         "",
         "varnholt-cli: 'selfplay' needs --games\n"},
        {"selfplay zero games",
         {"selfplay", "--games", "0"},
         2,
         "",
         "varnholt-cli: games 0 is outside 1..1000000\n"},
    };
    for (const CliCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, c.err);
    }
}

TEST(Cli, HelpListsEveryCommand) {
    const Outcome outcome = run({"--help"});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, "");
    for (const char* command : {"plays --position", "plays --batch", "selfplay --games"}) {
        EXPECT_NE(outcome.out.find(command), std::string::npos) << command;
    }
}

TEST(Cli, StartPositionListsFourteenPlaysFor65) {
    const Outcome outcome =
        run({"plays", "--position", "start", "--side", "0", "--dice", "6", "5"});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out.substr(0, 12), "6:7/1 5:7/2\n");
    EXPECT_NE(outcome.out.find("6:23/17 5:17/12\n"), std::string::npos);
    EXPECT_EQ(outcome.out.substr(outcome.out.size() - 9), "14 plays\n");
}

class BatchFile : public testing::Test {
protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() /
                ("varnholt-batch-" + std::to_string(::getpid()) + ".txt");
    }
    void TearDown() override { std::filesystem::remove(path_); }
    void write(const std::string& text) { std::ofstream(path_) << text; }

    std::filesystem::path path_;
};

TEST_F(BatchFile, ListsEachCaseInTurn) {
    write("# side, dice | position\n0 3 1 | " + kEnterPosition + "\n\n1 6 6 | " +
          "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 15 15\n0 3 1 | " + kCommaPosition +
          "\n");
    const Outcome outcome = run({"plays", "--batch", path_.string()});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out,
              "case 1\n3:24/21 1:10/9\n3:24/21 1:21/20\n1:24/23 3:10/7\n1:24/23 3:23/20\n4 plays\n"
              "case 2\n0 plays\n"
              "case 3\n3:10/7* 1:7/6\n1:10/9 3:9/6\n2 plays\n");
}

TEST_F(BatchFile, NamesTheLineOfABadCaseAndPrintsNothingElse) {
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
        SCOPED_TRACE(c.line);
        write("0 6 5 | start\n" + c.line + "\n");
        const Outcome outcome = run({"plays", "--batch", path_.string()});
        EXPECT_EQ(outcome.code, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "varnholt-cli: " + path_.string() + ":2: " + c.message + "\n");
    }
}

TEST(Cli, SelfplayIsRepeatableForASeedAndCountsEveryGame) {
    const Outcome first = run({"selfplay", "--games", "20", "--seed", "11"});
    const Outcome second = run({"selfplay", "--games", "20", "--seed", "11"});
    ASSERT_EQ(first.code, 0);
    EXPECT_EQ(first.out, second.out);
    EXPECT_NE(first.out, run({"selfplay", "--games", "20", "--seed", "12"}).out);

    std::istringstream lines(first.out);
    std::string line;
    int gameLines = 0;
    int wins = 0;
    while (std::getline(lines, line)) {
        gameLines += line.rfind("game ", 0) == 0 ? 1 : 0;
        int side = 0;
        int sideWins = 0;
        if (std::sscanf(line.c_str(), "side %d wins %d gammons", &side, &sideWins) == 2) {
            wins += sideWins;
        }
    }
    EXPECT_EQ(gameLines, 20);
    EXPECT_EQ(wins, 20);
    EXPECT_NE(first.out.find("seed 11\ngames 20\n"), std::string::npos);
}

TEST(Cli, SelfplayOfOneGameShowsTheBoardAfterEveryTurn) {
    const Outcome outcome = run({"selfplay", "--games", "1", "--seed", "5"});
    ASSERT_EQ(outcome.code, 0);
    std::size_t turns = 0;
    for (std::size_t at = outcome.out.find("\nturn "); at != std::string::npos;
         at = outcome.out.find("\nturn ", at + 1)) {
        ++turns;
    }
    std::size_t boards = 0;
    for (std::size_t at = outcome.out.find(" 13 14 15"); at != std::string::npos;
         at = outcome.out.find(" 13 14 15", at + 1)) {
        ++boards;
    }
    EXPECT_GT(turns, 10u);
    EXPECT_EQ(boards, turns + 1) << "the start board, then one board per turn";
    const bool sideZeroWon = outcome.out.find("side 0 wins 1") != std::string::npos;
    EXPECT_NE(outcome.out.find(sideZeroWon ? "off X 15 O" : "O 15   pips"), std::string::npos);
}

} // namespace
} // namespace vh::cli
