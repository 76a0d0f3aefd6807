#include "coach/game_reviewer.h"
#include "tests/support/placement.h"
#include "tests/support/shipped_network.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vh {
namespace {

// A game in which side 0 always makes the coach's best play and side 1 its
// worst, the cube left out; `losses` gets each turn's loss as the coach
// ranks it, `unforced` whether it had a choice.
void bestAgainstWorst(const std::shared_ptr<const NeuralNetwork>& network, GameRecord& record,
                      std::vector<float>& losses, std::vector<bool>& unforced) {
    record.names = {"Ann", "Bob"};
    record.cubeKnownFrom = 99;
    record.start = test::startPosition();
    BoardPosition position = record.start;
    const int rolls[][2] = {{3, 1}, {6, 4}, {5, 2}, {4, 4}, {4, 3}, {2, 1}, {5, 5}, {6, 2}};
    int side = 0;
    for (const auto& roll : rolls) {
        const AnalysisRequest request{position, side, roll[0], roll[1]};
        const Analysis analysis =
            analyse(*makeAnalysisEngine(network, request, kAnalysisPlies), request);
        ASSERT_FALSE(analysis.plays.empty()) << roll[0] << roll[1] << " cannot be played";
        const RankedMove& chosen = side == 0 ? analysis.plays.front() : analysis.plays.back();
        record.turns.push_back({side, roll[0], roll[1], chosen.play, CubeAction::None});
        losses.push_back(-chosen.difference);
        unforced.push_back(analysis.plays.size() > 1);
        applyPlay(chosen.play, position);
        side = 1 - side;
    }
}

TEST(GameReview, CountsTheMistakesOfEachSideAndAddsUpItsLuck) {
    const auto network = shippedNetwork();
    std::vector<float> losses;
    std::vector<bool> unforced;
    GameRecord record;
    ASSERT_NO_FATAL_FAILURE(bestAgainstWorst(network, record, losses, unforced));
    record.winner = 0;
    record.points = 2;
    const GameReview review = reviewGame(network, record);
    ASSERT_EQ(review.turns.size(), record.turns.size());

    const SideReview& best = review.sides[0];
    EXPECT_EQ(best.name, "Ann");
    EXPECT_EQ(best.equityLost, 0.0f);
    EXPECT_EQ(best.rating, 0.0f);
    EXPECT_EQ(best.ratingText, "World Class");
    EXPECT_EQ(best.doubtful + best.errors + best.blunders + best.cubeErrors, 0);

    const SideReview& worst = review.sides[1];
    float lost = 0.0f;
    int blunders = 0;
    int decisions = 0;
    for (std::size_t i = 1; i < losses.size(); i += 2) {
        lost += losses[i];
        decisions += unforced[i] ? 1 : 0;
        blunders += mistakeSize(losses[i]) == MistakeSize::Blunder ? 1 : 0;
        EXPECT_NEAR(review.turns[i].loss, losses[i], 1e-6f);
        EXPECT_EQ(review.turns[i].size, mistakeSize(losses[i])) << i;
    }
    EXPECT_GT(blunders, 0) << "the worst plays of these rolls give away a lot";
    EXPECT_EQ(worst.blunders, blunders);
    EXPECT_EQ(worst.decisions, decisions);
    EXPECT_NEAR(worst.equityLost, lost, 1e-4f);
    EXPECT_NEAR(worst.errorRate, 1000.0f * lost / static_cast<float>(decisions), 1e-2f);
    EXPECT_NEAR(worst.rating, worst.errorRate / 2.0f, 1e-2f);

    float luck0 = 0.0f;
    float luck1 = 0.0f;
    for (const TurnReview& turn : review.turns) {
        (turn.context.turn.side == 0 ? luck0 : luck1) += turn.luck;
        EXPECT_LT(std::abs(turn.luck), 3.0f);
    }
    EXPECT_NEAR(review.sides[0].luck, luck0, 1e-5f);
    EXPECT_NEAR(review.sides[1].luck, luck1, 1e-5f);
    EXPECT_TRUE(review.finished);
    EXPECT_EQ(review.result0, 2);
    EXPECT_NEAR(review.luckAdjusted0, 2.0f - (luck0 - luck1), 1e-5f);
}

// Side 0 bears off its last checker with any roll: doubling is right, and
// only a pass is.
TEST(GameReview, JudgesTheDoubleAndItsAnswer) {
    const auto network = shippedNetwork();
    for (const CubeAction answer : {CubeAction::DoublePassed, CubeAction::DoubleTaken}) {
        GameRecord record;
        record.start = test::placedPosition("0=1 1=-1");
        record.openingRoll = false;
        record.turns.push_back({0, 0, 0, Play{}, answer});
        const GameReview review = reviewGame(network, record);
        ASSERT_TRUE(review.turns.front().cube.has_value());
        EXPECT_EQ(review.turns.front().cube->verdict, CubeVerdict::DoublePass);
        EXPECT_EQ(review.sides[0].decisions, 1);
        EXPECT_EQ(review.sides[0].equityLost, 0.0f);
        EXPECT_EQ(review.sides[1].decisions, 1);
        const bool wrong = answer == CubeAction::DoubleTaken;
        EXPECT_EQ(review.sides[1].cubeErrors, wrong ? 1 : 0);
        EXPECT_EQ(review.sides[1].equityLost > 0.5f, wrong);
    }
}

TEST(GameReview, TheCubeFollowsTheDoublesFromTurnToTurn) {
    GameRecord record;
    record.start = test::startPosition();
    record.turns.resize(4);
    for (int i = 0; i < 4; ++i) {
        record.turns[static_cast<std::size_t>(i)].side = i % 2;
    }
    record.turns[1].cube = CubeAction::DoubleTaken;
    record.turns[2].cube = CubeAction::DoubleTaken;
    const std::vector<TurnContext> contexts = turnContexts(record);
    const std::pair<int, int> cubes[] = {{1, -1}, {1, -1}, {2, 0}, {4, 1}};
    for (std::size_t i = 0; i < contexts.size(); ++i) {
        EXPECT_EQ(contexts[i].cubeValue, cubes[i].first) << i;
        EXPECT_EQ(contexts[i].cubeOwner, cubes[i].second) << i;
    }
    EXPECT_TRUE(contexts[0].openingRoll);
    EXPECT_FALSE(contexts[1].openingRoll);
}

void waitUntilReady(GameReviewer& reviewer) {
    while (!reviewer.ready()) {
        reviewer.poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

TEST(GameReviewer, KeepsTheTurnsItJudgedAndJudgesOnlyWhatChanged) {
    const auto network = shippedNetwork();
    std::vector<float> losses;
    std::vector<bool> unforced;
    GameRecord whole;
    ASSERT_NO_FATAL_FAILURE(bestAgainstWorst(network, whole, losses, unforced));
    GameRecord part = whole;
    part.turns.resize(3);

    GameReviewer reviewer(network);
    reviewer.update(part);
    waitUntilReady(reviewer);
    reviewer.update(whole);
    EXPECT_EQ(reviewer.judgedTurns(), 3u);
    EXPECT_FALSE(reviewer.ready());
    waitUntilReady(reviewer);
    const GameReview background = reviewer.review();
    const GameReview direct = reviewGame(network, whole);
    ASSERT_EQ(background.turns.size(), direct.turns.size());
    for (std::size_t i = 0; i < direct.turns.size(); ++i) {
        EXPECT_EQ(background.turns[i].loss, direct.turns[i].loss) << i;
        EXPECT_EQ(background.turns[i].luck, direct.turns[i].luck) << i;
    }

    GameRecord changed = whole;
    changed.turns[1].play = Play{};
    reviewer.update(changed);
    EXPECT_EQ(reviewer.judgedTurns(), 1u);
    reviewer.stop(); // returns within a turn's work, leaving nothing behind
    EXPECT_FALSE(reviewer.ready());
}

} // namespace
} // namespace vh
