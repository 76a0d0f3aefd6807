#include "ai/neural_engine.h"
#include "neural/encoding.h"
#include "neural/lookahead_fit.h"
#include "neural/network_play.h"
#include "neural/td_trainer.h"

#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

NeuralNetwork trainedNetwork() {
    TrainingSettings settings;
    settings.seed = 3;
    settings.hiddenUnits = 8;
    TdTrainer trainer(settings);
    while (trainer.gamesPlayed() < 100) {
        trainer.playBatch();
    }
    return trainer.trained().network;
}

TEST(LookaheadFit, TargetsAreThePositionsWithContactJudgedAheadOnAnyThreads) {
    const NeuralNetwork network = trainedNetwork();
    const std::vector<LookaheadTarget> one = lookaheadTargets(network, 6, 9, 1, 1);
    const std::vector<LookaheadTarget> two = lookaheadTargets(network, 6, 9, 1, 2);
    ASSERT_GT(one.size(), 60u);
    ASSERT_EQ(one.size(), two.size());
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_TRUE(sidesInContact(one[i].position));
        EXPECT_EQ(one[i].chances, two[i].chances);
    }
    const LookaheadTarget& sample = one[one.size() / 2];
    BoardPosition position = sample.position;
    auto list = std::make_unique<PlayList>();
    EXPECT_EQ(sample.chances, chancesOneRollAhead(network, position, sample.sideToMove, *list));
    EXPECT_NE(sample.chances, chancesOnRoll(network, sample.position, sample.sideToMove));
}

TEST(LookaheadFit, TwoRollsAheadIsTheEnginesJudgementTwoPliesDeep) {
    const auto network = std::make_shared<const NeuralNetwork>(trainedNetwork());
    const std::vector<LookaheadTarget> targets = lookaheadTargets(*network, 2, 5, 2, 2);
    ASSERT_GT(targets.size(), 20u);
    for (std::size_t i = 0; i < targets.size(); i += 7) {
        const LookaheadTarget& target = targets[i];
        const NeuralEngine engine(network, 2, BoardRecord{}, target.sideToMove, 60000);
        const OutcomeChances deep = engine.chancesOnRoll(target.position, target.sideToMove);
        for (std::size_t k = 0; k < kOutcomeCount; ++k) {
            EXPECT_NEAR(target.chances[k], deep[k], 1e-5f) << "position " << i;
        }
    }
}

TEST(LookaheadFit, FittingBringsTheOutputsTowardsTheTargets) {
    NeuralNetwork network = trainedNetwork();
    const std::vector<LookaheadTarget> targets = lookaheadTargets(network, 20, 4, 1, 1);
    const double before = lookaheadError(network, targets);
    double passed = before;
    for (std::uint64_t pass = 0; pass < 3; ++pass) {
        fitLookaheadTargets(network, targets, 0.05f, pass);
        const double after = lookaheadError(network, targets);
        EXPECT_LT(after, passed) << "pass " << pass;
        passed = after;
    }
    EXPECT_LT(passed, 0.9 * before);
}

} // namespace
} // namespace vh
