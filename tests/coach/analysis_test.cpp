#include "ai/neural_engine.h"
#include "coach/analyst.h"
#include "coach/mistake.h"
#include "rules/roll_case.h"
#include "tests/support/placement.h"
#include "tests/support/shipped_network.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vh {
namespace {

BoardPosition after(const BoardPosition& position, const Play& play) {
    BoardPosition reached = position;
    applyPlay(play, reached);
    return reached;
}

TEST(Analysis, TheBestRowIsTheEnginesOwnChoiceAndTheRowsAreDistinct) {
    const struct {
        BoardPosition position;
        int side;
        int die1;
        int die2;
        const char* best;
    } cases[] = {
        {test::startPosition(), 0, 3, 1, "8/5 6/5"},
        {test::startPosition(), 1, 6, 1, "13/7 8/7"},
        {test::placedPosition("0=1 1=1 20=-3"), 0, 2, 1, "2/off 1/off"},
    };
    const auto network = shippedNetwork();
    for (const auto& c : cases) {
        const AnalysisRequest request{c.position, c.side, c.die1, c.die2};
        const auto engine = makeAnalysisEngine(network, request, kAnalysisPlies);
        const Analysis analysis = analyse(*engine, request);
        ASSERT_GT(analysis.plays.size(), 1u) << c.best;
        EXPECT_EQ(analysis.plays.front().text, c.best);

        NeuralEngine own(network, kAnalysisPlies, boardFor({c.position, c.side, c.die1, c.die2}),
                         c.side, 0x7FFFFFFFu);
        own.run();
        EXPECT_TRUE(samePlacement(after(c.position, own.result()),
                                  after(c.position, analysis.plays.front().play)))
            << c.best;
        for (std::size_t i = 0; i < analysis.plays.size(); ++i) {
            const RankedMove& row = analysis.plays[i];
            EXPECT_NEAR(row.difference, row.equity - analysis.plays.front().equity, 1e-6f);
            if (i > 0) {
                EXPECT_LE(row.equity, analysis.plays[i - 1].equity);
            }
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(samePlacement(after(c.position, row.play),
                                           after(c.position, analysis.plays[j].play)))
                    << row.text << " repeats " << analysis.plays[j].text;
            }
        }
    }
}

TEST(Analysis, TheCubeIsCashedOnACertainWinAndKeptInALostRace) {
    const auto network = shippedNetwork();
    const MatchState crawfordGame{7, {6, 3}, MatchState::Crawford::ThisGame};
    const struct {
        const char* placement;
        MatchState match;
        CubeVerdict verdict;
        bool take;
    } cases[] = {
        // Side 0 bears off its last checker with any roll; side 1 has
        // borne off, so no gammon either.
        {"0=1 1=-1", {}, CubeVerdict::DoublePass, false},
        // Side 1 bears off next roll and takes gladly; side 0 is far from home.
        {"23=2 22=-1", {}, CubeVerdict::NoDouble, true},
        // No double may be offered in the Crawford game.
        {"0=1 1=-1", crawfordGame, CubeVerdict::NoDouble, true},
    };
    for (const auto& c : cases) {
        const AnalysisRequest request{.position = test::placedPosition(c.placement),
                                      .match = c.match};
        const Analysis analysis = analyse(*makeAnalysisEngine(network, request, 1), request);
        ASSERT_TRUE(analysis.cube.has_value());
        EXPECT_TRUE(analysis.plays.empty());
        EXPECT_EQ(analysis.cube->verdict, c.verdict) << c.placement;
        EXPECT_EQ(analysis.cube->take, c.take) << c.placement;
    }
}

// At double match point a gammon wins no more than a single game: each play
// is worth its winning chance alone.
TEST(Analysis, AtDoubleMatchPointOnlyTheWinningChanceCounts) {
    AnalysisRequest request{test::startPosition(), 0, 6, 4};
    request.match = {1, {0, 0}, MatchState::Crawford::NotYet};
    const Analysis analysis =
        analyse(*makeAnalysisEngine(shippedNetwork(), request, kAnalysisPlies), request);
    ASSERT_GT(analysis.plays.size(), 1u);
    for (const RankedMove& row : analysis.plays) {
        EXPECT_NEAR(row.equity, 2.0f * row.chances[kWin] - 1.0f, 1e-5f) << row.text;
    }
}

TEST(Analyst, AnswersOnItsWorkerAndACancelReturnsAtOnce) {
    Analyst analyst(shippedNetwork());
    const AnalysisRequest request{test::startPosition(), 0, 2, 2};
    analyst.start(request);
    EXPECT_TRUE(analyst.busy());
    std::optional<Analysis> answer;
    while (!(answer = analyst.take())) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(analyst.busy());
    EXPECT_EQ(answer->plays.front().text,
              analyse(*makeAnalysisEngine(shippedNetwork(), request, kAnalysisPlies), request)
                  .plays.front()
                  .text);
    EXPECT_FALSE(analyst.take().has_value()) << "an answer is taken once";

    analyst.start(request);
    const auto begun = std::chrono::steady_clock::now();
    analyst.cancel();
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::milliseconds(200));
    EXPECT_FALSE(analyst.busy());
    EXPECT_FALSE(analyst.take().has_value());
    analyst.start(request); // left running: the destructor stops it
}

TEST(Mistake, SizesAndRatingsFollowTheirTables) {
    const std::pair<float, MistakeSize> sizes[] = {
        {0.0f, MistakeSize::None},      {0.0399f, MistakeSize::None},
        {0.04f, MistakeSize::Doubtful}, {0.0799f, MistakeSize::Doubtful},
        {0.08f, MistakeSize::Error},    {0.1599f, MistakeSize::Error},
        {0.16f, MistakeSize::Blunder},  {2.0f, MistakeSize::Blunder},
    };
    for (const auto& [loss, size] : sizes) {
        EXPECT_EQ(mistakeSize(loss), size) << loss;
    }
    const std::pair<float, const char*> ratings[] = {
        {0.0f, "World Class"},   {4.99f, "World Class"}, {5.0f, "Expert"},  {7.5f, "Advanced"},
        {12.5f, "Intermediate"}, {17.5f, "Casual"},      {22.4f, "Casual"}, {22.5f, "Beginner"},
    };
    for (const auto& [rating, word] : ratings) {
        EXPECT_STREQ(ratingWord(rating), word) << rating;
    }
    EXPECT_FLOAT_EQ(performanceRating(0.3f, 10), 15.0f);
    EXPECT_EQ(performanceRating(0.0f, 0), 0.0f);
}

} // namespace
} // namespace vh
