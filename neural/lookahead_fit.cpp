#include "neural/lookahead_fit.h"

#include "neural/network_gradient.h"
#include "neural/network_play.h"
#include "neural/self_play_game.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/play_list.h"
#include "rules/result_kind.h"
#include "rules/side.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <thread>

namespace vh {
namespace {

double squaredError(const OutcomeChances& outputs, const OutcomeChances& target) {
    double sum = 0.0;
    for (std::size_t k = 0; k < kOutcomeCount; ++k) {
        const double error = static_cast<double>(target[k]) - static_cast<double>(outputs[k]);
        sum += error * error;
    }
    return sum;
}

} // namespace

OutcomeChances chancesRollsAhead(const NeuralNetwork& network, BoardPosition& position,
                                 int sideToMove, int rolls, PlayList& list) {
    if (rolls <= 1) {
        return chancesOneRollAhead(network, position, sideToMove, list);
    }
    const int opponent = otherSide(sideToMove);
    std::array<float, kOutcomeCount> sums{};
    for (const WeightedRoll& roll : distinctRolls()) {
        generatePlays(list, position, sideToMove, roll.die1, roll.die2);
        Play chosen;
        if (list.count > 0) {
            // The list is reused further ahead: only the chosen play is kept.
            copyPlay(chosen,
                     list[bestPlayOfRoll(network, list, position, sideToMove, roll.die1, roll.die2)
                              .index]);
        }
        applyPlay(chosen, position);
        const OutcomeChances chances =
            hasWon(position, sideToMove)
                ? wonGame(resultKind(position, sideToMove))
                : seenByOpponent(chancesRollsAhead(network, position, opponent, rolls - 1, list));
        takeBackPlay(chosen, position);
        for (std::size_t k = 0; k < kOutcomeCount; ++k) {
            sums[k] += static_cast<float>(roll.weight) * chances[k];
        }
    }
    OutcomeChances average;
    for (std::size_t k = 0; k < kOutcomeCount; ++k) {
        average[k] = sums[k] / 36.0f;
    }
    return average;
}

std::vector<LookaheadTarget> lookaheadTargets(const NeuralNetwork& network, std::uint32_t games,
                                              std::uint64_t seed, int rolls, int threads) {
    std::vector<LookaheadTarget> targets;
    {
        auto list = std::make_unique<PlayList>();
        for (std::uint32_t game = 0; game < games; ++game) {
            playSelfPlayGame(network, seed, game, *list,
                             [&](const BoardPosition& position, int side) {
                                 if (!sidesInContact(position)) {
                                     return false;
                                 }
                                 targets.push_back({position, side, {}});
                                 return true;
                             });
        }
    }
    const std::size_t workers = static_cast<std::size_t>(std::max(threads, 1));
    const auto judge = [&](std::size_t first) {
        auto list = std::make_unique<PlayList>();
        for (std::size_t i = first; i < targets.size(); i += workers) {
            LookaheadTarget& target = targets[i];
            BoardPosition working = target.position;
            target.chances = chancesRollsAhead(network, working, target.sideToMove, rolls, *list);
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t w = 1; w < workers; ++w) {
        helpers.emplace_back(judge, w);
    }
    judge(0);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return targets;
}

double fitLookaheadTargets(NeuralNetwork& network, std::span<const LookaheadTarget> targets,
                           float rate, std::uint64_t seed) {
    std::vector<std::size_t> order(targets.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    SeededStream stream(seed);
    for (std::size_t i = order.size(); i > 1; --i) {
        std::swap(order[i - 1], order[stream.next() % i]);
    }
    std::vector<float> hidden(static_cast<std::size_t>(network.hiddenUnits()));
    std::vector<float> step(network.parameterCount(), 0.0f);
    NetworkInputs inputs;
    double errors = 0.0;
    for (const std::size_t index : order) {
        const LookaheadTarget& target = targets[index];
        network.encode(target.position, target.sideToMove, inputs);
        const OutcomeChances outputs = network.evaluate(inputs, hidden);
        errors += squaredError(outputs, target.chances);
        std::array<float, kOutcomeCount> weight{};
        for (std::size_t k = 0; k < kOutcomeCount; ++k) {
            weight[k] = rate * (target.chances[k] - outputs[k]);
        }
        std::fill(step.begin(), step.end(), 0.0f);
        addWeightedGradient(network, inputs, hidden, outputs, weight, step);
        const std::span<float> parameters = network.parameters();
        for (std::size_t p = 0; p < step.size(); ++p) {
            parameters[p] += step[p];
        }
    }
    return targets.empty() ? 0.0 : errors / static_cast<double>(targets.size());
}

double lookaheadError(const NeuralNetwork& network, std::span<const LookaheadTarget> targets) {
    NetworkInputs inputs;
    double errors = 0.0;
    for (const LookaheadTarget& target : targets) {
        network.encode(target.position, target.sideToMove, inputs);
        errors += squaredError(network.evaluate(inputs), target.chances);
    }
    return targets.empty() ? 0.0 : errors / static_cast<double>(targets.size());
}

} // namespace vh
