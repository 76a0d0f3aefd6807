#include "match/saved_game.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_directory.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <utility>

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

TEST(MetCommand, PrintsTheTableRowByRowAndRefusesALengthBeyondIt) {
    EXPECT_EQ(run("met --length 2").out, "50.0 70.0\n30.0 50.0\n");
    EXPECT_EQ(run("met --length 2 --gammon-percent 0").out, "50.0 75.0\n25.0 50.0\n");
    expectRefused({"met --length 26", "match length 26 is outside 1..25"});
}

constexpr const char* kGame = R"( 0 point match

 Game 1
 Ann : 0                               Bob : 0
  1)                                   42: 8/4 6/4
  2) 65: 24/13                         66: 24/18(2) 13/7(2)
)";

TEST(MatCommands, AnImportedGameExportsAsTheSameText) {
    const test::TempDirectory directory("cli-mat");
    directory.write("game.mat", kGame);
    const std::string saved = (directory / "game.vhf").string();
    const Outcome imported = run("import " + (directory / "game.mat").string() + " --out " + saved);
    ASSERT_EQ(imported.code, 0) << imported.err;
    const Outcome exported = run("export " + saved);
    ASSERT_EQ(exported.code, 0) << exported.err;
    // The play from the 24 is written the way the program names it.
    std::string expected = kGame;
    expected.replace(expected.find("24/13"), 8, "24/18/13");
    EXPECT_EQ(exported.out, expected);
    EXPECT_NE(run("open " + saved).out.find("to move: side 0"), std::string::npos);
    EXPECT_EQ(run("open " + saved).out.find("match "), std::string::npos) << "a money game";
    for (const auto& [crawford, line] :
         {std::pair{0, "match 7 score 2 4\n"}, std::pair{1, "match 7 score 2 6 crawford\n"},
          std::pair{2, "match 7 score 2 6 post-crawford\n"}}) {
        SavedGame match;
        setStartPosition(match.position);
        match.players[0] = {"Ann", 0, 0, 0};
        match.players[1] = {"Bob", 0, 1, 0};
        match.matchLength = 7;
        match.score0 = 2;
        match.score1 = crawford == 0 ? 4 : 6;
        match.crawford = crawford;
        const std::filesystem::path file = directory / "match.vhf";
        std::string error;
        ASSERT_TRUE(writeSavedGameFile(file, match, error)) << error;
        EXPECT_NE(run("open " + file.string()).out.find(line), std::string::npos) << line;
    }

    directory.write("bad.mat",
                    std::string(kGame).replace(std::string(kGame).find("8/4"), 3, "8/3"));
    const std::string bad = (directory / "bad.mat").string();
    expectRefused({"import " + bad + " --out " + saved,
                   bad + " cannot be read as games: line 5: That is not a legal play of 4-2."});
    expectRefused({"import " + (directory / "game.mat").string() + " --game 2 --out " + saved,
                   (directory / "game.mat").string() + " has 1 games, not 2"});
    expectRefused({"export", "'export' needs a saved-game file"});
}

} // namespace
} // namespace vh::cli
