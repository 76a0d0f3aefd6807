#include "ai/computer_player.h"
#include "ai/money_game.h"
#include "players/champion_file.h"
#include "players/roster_file.h"
#include "tests/cli/cli_runner.h"
#include "tools/varnholt-cli/notation.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace vh::cli {
namespace {

const std::string kWeights = std::string(VARNHOLT_PROGRAM_DIR) + "/Data/Champion.weights";
const std::string kProgramDir = std::string(" --program-dir ") + VARNHOLT_PROGRAM_DIR;

Outcome runWithWeights(const std::string& line) {
    return run(line + " --weights " + kWeights);
}

std::map<std::string, double> namedNumbers(const std::string& text) {
    std::map<std::string, double> numbers;
    std::istringstream lines(text);
    std::string name;
    double value = 0;
    while (lines >> name >> value) {
        numbers[name] = value;
    }
    return numbers;
}

// The chances themselves are the network's; here: the six named lines.
TEST(NeuralCommands, EvaluateGivesFiveChancesAndTheirEquity) {
    for (const char* engine : {"neural", "neural:1"}) {
        const Outcome outcome =
            runWithWeights("evaluate --position " + kBlotPosition + " --side 0 --engine " + engine);
        ASSERT_EQ(outcome.code, 0) << outcome.err;
        const std::map<std::string, double> n = namedNumbers(outcome.out);
        ASSERT_EQ(n.size(), 6u) << outcome.out;
        const double equity = 2 * n.at("win") - 1 + n.at("win-gammon") - n.at("lose-gammon") +
                              n.at("win-backgammon") - n.at("lose-backgammon");
        EXPECT_NEAR(n.at("equity"), equity, 6e-4);
    }
}

TEST(NeuralCommands, BadNeuralCommandLinesAreRefused) {
    const std::string evaluate = "evaluate --position start --side 0 --engine ";
    const std::string choose = "choose --position start --side 0 --dice 3 1 --engine ";
    const struct {
        std::string line;
        std::string error;
    } cases[] = {
        {evaluate + "classic:2001", "evaluate --engine takes neural"},
        {evaluate + "neural:3", "is not classic:STRENGTH[:A:B] or neural:PLIES"},
        {"match --a neural:2@/nonexistent/x.weights --b neural:0 --games 2 --weights " + kWeights,
         "weights file '/nonexistent/x.weights' cannot be used: it is missing"},
        {evaluate + "neural --weights /nonexistent/x.weights", "cannot be used: it is missing"},
        {choose + "neural:0@/nonexistent/x.weights", "'/nonexistent/x.weights' cannot be used"},
        {choose + "neural:0 --strength 2001", "--engine replaces --strength"},
        {"rank --position start --side 0 --dice 3 1 --engine classic:2001",
         "rank --engine takes neural:0, neural:1 or neural:2"},
        {"match --a neural:0 --b neural:1 --games 3", "games must be even"},
        {"match --a neural:0 --b classic --games 2", "engine 'classic'"},
        {"match --a neural:0 --b neural:0 --games 2 --match-length 26",
         "match length 26 is outside 1..25"},
        {"choose --position start --side 0 --dice 3 1 --opponent Nobody" + kProgramDir,
         "no computer opponent is called 'Nobody'"},
        {"match --a opponent:Nobody --b neural:0 --games 2" + kProgramDir,
         "no computer opponent is called 'Nobody'"},
        {"choose --position start --side 0 --dice 3 1 --opponent Milo --strength 2001",
         "--opponent replaces --strength"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.line);
        EXPECT_EQ(outcome.code, 2) << c.line;
        EXPECT_NE(outcome.err.find(c.error), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
}

// An opponent plays with the engine its profile gives it: one of the ten as
// the classic search at its cash's strength and parameters, the champion as
// the network at its depth.
TEST(NeuralCommands, AnOpponentChoosesWithItsOwnEngine) {
    Roster roster;
    ASSERT_TRUE(readRosterFile(std::string(VARNHOLT_PROGRAM_DIR) + "/Data/Computers.dat", roster));
    const ComputerProfile& tenth = roster.back();
    const auto champion =
        readChampionFile(std::string(VARNHOLT_PROGRAM_DIR) + "/Data/Champion.dat").value();
    const std::string roll = "choose --position " + kBlotPosition + " --side 1 --dice 6 4 --seed 3";
    const struct {
        std::string opponent;
        std::string engine;
    } cases[] = {
        {tenth.name.substr(tenth.name.rfind(' ') + 1),
         "--strength " + std::to_string(strengthForCash(tenth.cash)) + " --param-a " +
             std::to_string(tenth.evalParamA) + " --param-b " + std::to_string(tenth.evalParamB)},
        // The shipped network, with the race judges it is shipped with.
        {champion.name.substr(0, champion.name.find(' ')),
         "--engine neural:" + std::to_string(ComputerPlayer::kChampionPlies) + kProgramDir},
    };
    for (const auto& c : cases) {
        const Outcome asOpponent = run(roll + " --opponent " + c.opponent + kProgramDir);
        ASSERT_EQ(asOpponent.code, 0) << asOpponent.err;
        EXPECT_EQ(asOpponent.out, run(roll + " " + c.engine).out) << c.opponent;
    }
}

TEST(NeuralCommands, AReviewedMatchRatesThePlayOfChanceWorse) {
    const Outcome outcome = runWithWeights("match --a opponent:Milo --b neural:0 --games 2 "
                                           "--review --seed 5" +
                                           kProgramDir);
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    double a = 0;
    double b = 0;
    ASSERT_EQ(std::sscanf(outcome.out.substr(outcome.out.find("pr a ")).c_str(), "pr a %lf", &a),
              1);
    ASSERT_EQ(std::sscanf(outcome.out.substr(outcome.out.find("pr b ")).c_str(), "pr b %lf", &b),
              1);
    EXPECT_GT(a, b + 10.0) << outcome.out;
}

// Which plays are listed, and in what order, is the engine's: here, the
// lines are "EQUITY PLAY" in a player's notation, best first, and choose
// takes the first.
TEST(NeuralCommands, RankListsPlaysBestFirstAsChooseDoes) {
    const BoardPosition start = parsePosition("start");
    const std::string roll = " --position start --side 1 --dice 6 4";
    const Outcome ranked = runWithWeights("rank" + roll + " --engine neural:0");
    ASSERT_EQ(ranked.code, 0) << ranked.err;
    const std::vector<std::string> rows = lines(ranked.out);
    ASSERT_GT(rows.size(), 1u);
    double previous = 10.0;
    for (const std::string& row : rows) {
        const double equity = std::stod(row.substr(0, row.find(' ')));
        EXPECT_LE(equity, previous) << row;
        previous = equity;
    }
    const Outcome chosen = runWithWeights("choose" + roll + " --engine neural:0");
    ASSERT_EQ(chosen.code, 0) << chosen.err;
    const std::string play = chosen.out.substr(0, chosen.out.find('\n'));
    EXPECT_EQ(rows.front().substr(rows.front().find(' ') + 1),
              describePlay(parsePlay(play, start), 1));
}

struct MatchTally {
    std::map<std::string, std::array<int, 3>> seats; // "a side 0" -> wins, gammons, backgammons
    double ppg = 0;
    double ci = 0;
    int games = 0;
};

MatchTally readMatch(const std::string& out) {
    MatchTally tally;
    const std::vector<std::string> rows = lines(out);
    for (const std::string& row : rows) {
        char engine = 0;
        int side = 0;
        int games = 0;
        std::array<int, 3> counts{};
        if (std::sscanf(row.c_str(), "%c side %d games %d wins %d gammons %d backgammons %d",
                        &engine, &side, &games, &counts[0], &counts[1], &counts[2]) == 6) {
            tally.seats[std::string(1, engine) + " side " + std::to_string(side)] = counts;
        }
    }
    // The last line, exactly: "ppg P ci C games N" with three decimals.
    char exact[96] = "";
    if (std::sscanf(rows.back().c_str(), "ppg %lf ci %lf games %d", &tally.ppg, &tally.ci,
                    &tally.games) == 3) {
        std::snprintf(exact, sizeof exact, "ppg %.3f ci %.3f games %d", tally.ppg, tally.ci,
                      tally.games);
    }
    EXPECT_EQ(rows.back(), exact);
    return tally;
}

TEST(NeuralCommands, MatchSwapsSeatsOverTheSameDice) {
    // The same network, once through the engine's own weights file.
    const Outcome outcome =
        runWithWeights("match --a neural:0 --b neural:0@" + kWeights + " --games 16 --seed 4");
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    const MatchTally tally = readMatch(outcome.out);
    // The same engine on both seats plays each dice sequence the same way twice.
    EXPECT_EQ(tally.ppg, 0.0);
    EXPECT_EQ(tally.ci, 0.0);
    EXPECT_EQ(tally.games, 16);
    EXPECT_EQ(tally.seats.at("a side 0"), tally.seats.at("b side 0"));
    EXPECT_EQ(tally.seats.at("a side 1"), tally.seats.at("b side 1"));
}

// Seats with files of their own need no network from the program directory.
TEST(NeuralCommands, AMatchOfTwoWeightsFilesNeedsNoProgramNetwork) {
    const std::filesystem::path empty = std::filesystem::path(testing::TempDir()) / "no-network";
    std::filesystem::create_directories(empty);
    const Outcome outcome = run("match --a neural:0@" + kWeights + " --b neural:1@" + kWeights +
                                " --games 2 --seed 4 --program-dir " + empty.string());
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(readMatch(outcome.out).games, 2);
}

TEST(NeuralCommands, MatchCountsGammonsAndBackgammonsAndTheCube) {
    const Outcome plain = run("match --a classic:1001 --b classic:2001 --games 30 --seed 9");
    ASSERT_EQ(plain.code, 0) << plain.err;
    const MatchTally tally = readMatch(plain.out);
    // Without the cube a single game counts 1, a gammon 2, a backgammon 3.
    const auto points = [&](const char* engine) {
        int total = 0;
        for (const char* side : {" side 0", " side 1"}) {
            const auto& c = tally.seats.at(std::string(engine) + side);
            total += c[0] + c[1] + 2 * c[2];
        }
        return total;
    };
    EXPECT_GT(tally.seats.at("b side 0")[1] + tally.seats.at("b side 1")[1], 0) << "gammons";
    EXPECT_NEAR(tally.ppg * tally.games, points("a") - points("b"), 0.02 * tally.games);
    EXPECT_LT(tally.ppg, 0.0);

    // An engine that always doubles against one that always passes: one point a game.
    for (const bool doublerIsA : {true, false}) {
        const std::string doubler = "classic:2001:-1000:0";
        const std::string passer = "classic:2001:1000:0";
        const Outcome cubed = run("match --games 6 --cube --a " + (doublerIsA ? doubler : passer) +
                                  " --b " + (doublerIsA ? passer : doubler));
        ASSERT_EQ(cubed.code, 0) << cubed.err;
        const MatchTally withCube = readMatch(cubed.out);
        EXPECT_EQ(withCube.ppg, doublerIsA ? 1.0 : -1.0) << cubed.out;
        EXPECT_EQ(withCube.seats.at(doublerIsA ? "a side 0" : "b side 0")[0], 3);
        EXPECT_EQ(withCube.seats.at(doublerIsA ? "a side 1" : "b side 1")[1], 0);
    }
}

TEST(NeuralCommands, MatchesToALengthReportTheShareOfMatchesWon) {
    const struct {
        std::string engines;
        double share; // A's, when it is fixed
    } cases[] = {
        {"--a neural:0 --b neural:0", 50.0}, // each dice sequence's pair split one-one
        {"--a neural:0 --b neural:0:money", -1.0},
    };
    for (const auto& c : cases) {
        const Outcome outcome =
            runWithWeights("match " + c.engines + " --games 4 --match-length 3 --seed 5");
        ASSERT_EQ(outcome.code, 0) << outcome.err;
        const std::vector<std::string> rows = lines(outcome.out);
        double share = 0;
        double ci = 0;
        int matches = 0;
        ASSERT_EQ(
            std::sscanf(rows.back().c_str(), "mwc %lf ci %lf matches %d", &share, &ci, &matches), 3)
            << outcome.out;
        char exact[96];
        std::snprintf(exact, sizeof exact, "mwc %.1f ci %.1f matches 4", share, ci);
        EXPECT_EQ(rows.back(), exact);
        EXPECT_EQ(matches, 4);
        if (c.share >= 0) {
            EXPECT_EQ(share, c.share) << outcome.out;
            EXPECT_EQ(ci, 0.0) << outcome.out;
        }
    }
}

TEST(MoneyGame, PointsAreTheCubeTimesTheKindOfWin) {
    const struct {
        MoneyGameResult result;
        std::int64_t points;
    } cases[] = {
        {{0, ResultKind::Single, 1, false, 20}, 1},     {{1, ResultKind::Gammon, 1, false, 20}, 2},
        {{0, ResultKind::Backgammon, 2, false, 20}, 6}, {{1, ResultKind::Gammon, 4, false, 20}, 8},
        {{0, ResultKind::Single, 8, true, 20}, 8},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result.points(), c.points);
    }
}

} // namespace
} // namespace vh::cli
