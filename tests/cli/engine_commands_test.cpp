#include "ai/lookahead_engine.h"
#include "platform/random.h"
#include "rules/play_notation.h"
#include "rules/roll_case.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_directory.h"
#include "tools/varnholt-cli/notation.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vh::cli {
namespace {

// The play the engine chooses for the case, worked out through the library.
std::string engineChoice(const std::string& position, int side, int die1, int die2,
                         const EngineParameters& parameters) {
    LookaheadEngine engine(parameters, boardFor({parsePosition(position), side, die1, die2}), side,
                           60000);
    engine.run();
    return formatPlay(engine.result());
}

TEST(EngineCommands, OutputsAndRefusals) {
    // Pips 27 against 48 without contact: every play scores the same, so the
    // first one generated is chosen, and a lead of 21 doubles.
    const std::string race = "0,0,0,0,0,0,0,0,3,0,0,0,-4,0,0,0,0,0,0,0,0,0,0,0,0,0,12,11";
    expectOutput("evaluate --position " + kBlotPosition + " --side 0",
                 "race 29\nsafety -6\nbear-off 28\ntotal 51\n");
    expectOutput("evaluate --position " + kBlotPosition + " --side 0 --param-b 5",
                 "race 29\nsafety -12\nbear-off 28\ntotal 45\n");
    expectOutput("choose --position " + race + " --side 0 --dice 2 1 --strength 1501",
                 "2:8/6 1:6/5\noffer-double yes\naccept-double yes\n");
    expectOutput("choose --position " + race + " --side 1 --dice 2 1 --strength 1501",
                 "2:12/14 1:12/13\noffer-double no\naccept-double no\n");
    const std::string choose = "choose --position start --side 0 --dice 3 1 ";
    const Refusal refusals[] = {
        {"evaluate --position start", "'evaluate' needs --side"},
        {"evaluate --position start --side 0 --param-b 1.5", "param-b '1.5' is not a whole number"},
        {choose, "'choose' needs --strength"},
        {choose + "--strength -1", "strength -1 is outside 0..2147483647"},
        {choose + "--strength 2001 --budget-ms -5", "budget -5 is outside 0..2147483647"},
        {"choose --batch cases.txt --position start --strength 2001",
         "--batch reads its cases from the file; drop --position"},
        {"selfplay --games 1 --strength 2001", "option --strength needs 2 values"},
        {"selfplay --games 1 --budget-ms 10", "--budget-ms needs --strength"},
    };
    for (const Refusal& c : refusals) {
        expectRefused(c);
    }
}

TEST(EngineCommands, RandomStrengthFollowsTheSeed) {
    for (const std::uint32_t seed : {1u, 2u, 99u}) {
        seedRandom(seed);
        const std::string expected = engineChoice("start", 0, 6, 6, {1001, 0, 0});
        const Outcome outcome =
            run("choose --position start --side 0 --dice 6 6 --strength 1001 --seed " +
                std::to_string(seed));
        ASSERT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n')), expected) << seed;
    }
}

TEST(EngineCommands, ChooseBatchGivesOneChosenPlayALineInOrder) {
    const test::TempDirectory folder("cli-choose");
    const std::string file = (folder / "cases.txt").string();
    folder.write("cases.txt", "# side, dice | position\n0 3 1 | start\n\n1 6 5 | start\n0 6 5 | " +
                                  kBlotPosition +
                                  "\n0 6 6 | 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -2 0 0 0 0 0 2 0 "
                                  "13 13\n");
    const Outcome outcome = run("choose --strength 2001 --param-b 1 --batch " + file);
    ASSERT_EQ(outcome.code, 0) << outcome.err;
    const EngineParameters parameters{2001, 0, 1};
    EXPECT_EQ(outcome.out, engineChoice("start", 0, 3, 1, parameters) + "\n" +
                               engineChoice("start", 1, 6, 5, parameters) + "\n" +
                               engineChoice(kBlotPosition, 0, 6, 5, parameters) + "\n-\n");
}

// The summary of an engine selfplay, without the decision times, which vary.
std::string withoutTimes(const std::string& report) {
    std::string kept;
    for (const std::string& line : lines(report)) {
        if (line.rfind("decision-ms ", 0) != 0) {
            kept += line + '\n';
        }
    }
    return kept;
}

TEST(EngineCommands, SelfplayBetweenEnginesIsRepeatableAndReportsDecisions) {
    const std::string arguments = "selfplay --games 3 --strength 1501 1001 --seed 8";
    const Outcome first = run(arguments);
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(withoutTimes(first.out), withoutTimes(run(arguments).out));
    EXPECT_NE(first.out.find("seed 8\ngames 3\nstrength 1501 1001\n"), std::string::npos);

    long turns = 0;
    long decisions = 0;
    double mean = -1.0;
    double most = -1.0;
    int wins = 0;
    for (const std::string& line : lines(first.out)) {
        int side = 0;
        int sideWins = 0;
        if (std::sscanf(line.c_str(), "side %d wins %d gammons", &side, &sideWins) == 2) {
            wins += sideWins;
        }
        std::sscanf(line.c_str(), "turns %ld", &turns);
        std::sscanf(line.c_str(), "decisions %ld", &decisions);
        std::sscanf(line.c_str(), "decision-ms mean %lf max %lf", &mean, &most);
    }
    EXPECT_EQ(wins, 3);
    EXPECT_GT(decisions, 0);
    EXPECT_LE(decisions, turns) << "a roll that cannot be played asks no engine";
    EXPECT_GE(mean, 0.0);
    EXPECT_GE(most, mean);
}

} // namespace
} // namespace vh::cli
