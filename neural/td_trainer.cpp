#include "neural/td_trainer.h"

#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/opening_roll.h"
#include "rules/side.h"

#include <algorithm>

namespace vh {
namespace {

// Side 1's chances as side 0 sees them: output u of side 0's view is output
// kSource[u] of side 1's, negated (and added to 1) for the win.
constexpr std::array<int, kOutcomeCount> kSource = {kWin, kLoseGammon, kLoseBackgammon, kWinGammon,
                                                    kWinBackgammon};

NeuralNetwork randomNetwork(const TrainingSettings& settings) {
    NeuralNetwork network(settings.hiddenUnits, settings.encoding);
    SeededStream stream(streamSeed(settings.seed, 0xFFFFFFFFull));
    for (float& weight : network.parameters()) {
        weight = stream.symmetric(settings.initialWeightRange);
    }
    return network;
}

} // namespace

OutcomeChances chancesOfSideZero(const OutcomeChances& chances, int side) {
    return side == PLAYER_ONE ? chances : seenByOpponent(chances);
}

TdTrainer::TdTrainer(const TrainingSettings& settings)
    : TdTrainer(settings, TrainedNetwork{randomNetwork(settings), 0}) {}

TdTrainer::TdTrainer(const TrainingSettings& settings, TrainedNetwork resumed)
    : settings_(settings), trained_(std::move(resumed)),
      traces_(kOutcomeCount * trained_.network.parameterCount(), 0.0f),
      hidden_(static_cast<std::size_t>(trained_.network.hiddenUnits()), 0.0f),
      unitSlopes_(hidden_.size(), 0.0f), list_(std::make_unique<PlayList>()) {}

float TdTrainer::learningRate() const {
    if (settings_.plannedGames == 0) {
        return settings_.firstLearningRate;
    }
    const float progress = std::min(1.0f, static_cast<float>(trained_.gamesTrained) /
                                              static_cast<float>(settings_.plannedGames));
    return settings_.firstLearningRate +
           (settings_.lastLearningRate - settings_.firstLearningRate) * progress;
}

SelfPlayResult TdTrainer::playGame() {
    const NeuralNetwork& network = trained_.network;
    SeededStream dice(streamSeed(settings_.seed, trained_.gamesTrained));
    std::fill(traces_.begin(), traces_.end(), 0.0f);
    BoardPosition position;
    setStartPosition(position);
    const OpeningRoll opening = rollOpening([&dice] { return dice.die(); });
    int side = opening.firstSide;
    NetworkInputs inputs;
    for (int turn = 1;; ++turn) {
        network.encode(position, side, inputs);
        const OutcomeChances outputs = network.evaluate(inputs, hidden_);
        addGradient(inputs, outputs, side);
        const OutcomeChances before = chancesOfSideZero(outputs, side);

        const int die1 = turn == 1 ? opening.die1 : dice.die();
        const int die2 = turn == 1 ? opening.die2 : dice.die();
        generatePlays(*list_, position, side, die1, die2);
        if (list_->count > 0) {
            const JudgedPlay chosen = bestPlayOfRoll(network, *list_, position, side, die1, die2);
            applyPlay((*list_)[chosen.index], position);
        }
        if (hasWon(position, side)) {
            const ResultKind kind = resultKind(position, side);
            learn(before, chancesOfSideZero(wonGame(kind), side));
            ++trained_.gamesTrained;
            return {side, kind, turn};
        }
        side = otherSide(side);
        network.encode(position, side, inputs);
        learn(before, chancesOfSideZero(network.evaluate(inputs), side));
    }
}

void TdTrainer::addGradient(const NetworkInputs& inputs, const OutcomeChances& outputs,
                            int sideToMove) {
    const NeuralNetwork& network = trained_.network;
    const auto hidden = static_cast<std::size_t>(network.hiddenUnits());
    const std::size_t parameters = network.parameterCount();
    const std::span<const float> weights = network.parameters();
    for (std::size_t u = 0; u < kOutcomeCount; ++u) {
        const std::size_t m = sideToMove == PLAYER_ONE ? u : static_cast<std::size_t>(kSource[u]);
        const float sign = sideToMove != PLAYER_ONE && u == kWin ? -1.0f : 1.0f;
        const float slope = sign * outputs[m] * (1.0f - outputs[m]);
        float* trace = traces_.data() + u * parameters;
        trace[network.outputBiasOffset() + m] += slope;
        float* outputTrace = trace + network.outputWeightOffset() + m * hidden;
        const float* outputWeights = weights.data() + network.outputWeightOffset() + m * hidden;
        float* biasTrace = trace + network.hiddenBiasOffset();
        // The output's slope carried back to each hidden unit's sum.
        for (std::size_t j = 0; j < hidden; ++j) {
            outputTrace[j] += slope * hidden_[j];
            unitSlopes_[j] = slope * outputWeights[j] * hidden_[j] * (1.0f - hidden_[j]);
            biasTrace[j] += unitSlopes_[j];
        }
        for (int i = 0; i < inputs.count; ++i) {
            const std::size_t input = inputs.index[static_cast<std::size_t>(i)];
            const float value = inputs.value[static_cast<std::size_t>(i)];
            float* row = trace + input * hidden;
            for (std::size_t j = 0; j < hidden; ++j) {
                row[j] += value * unitSlopes_[j];
            }
        }
    }
}

void TdTrainer::learn(const OutcomeChances& before, const OutcomeChances& target) {
    const float rate = learningRate();
    std::array<float, kOutcomeCount> step{};
    for (std::size_t u = 0; u < kOutcomeCount; ++u) {
        step[u] = rate * (target[u] - before[u]);
    }
    const std::span<float> weights = trained_.network.parameters();
    const std::size_t parameters = weights.size();
    const float lambda = settings_.lambda;
    float* t0 = traces_.data();
    float* t1 = t0 + parameters;
    float* t2 = t1 + parameters;
    float* t3 = t2 + parameters;
    float* t4 = t3 + parameters;
    float* w = weights.data();
    for (std::size_t p = 0; p < parameters; ++p) {
        w[p] +=
            step[0] * t0[p] + step[1] * t1[p] + step[2] * t2[p] + step[3] * t3[p] + step[4] * t4[p];
        t0[p] *= lambda;
        t1[p] *= lambda;
        t2[p] *= lambda;
        t3[p] *= lambda;
        t4[p] *= lambda;
    }
}

} // namespace vh
