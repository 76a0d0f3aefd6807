#include "neural/td_trainer.h"

#include "neural/bearoff_database.h"
#include "neural/network_gradient.h"
#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/opening_roll.h"
#include "rules/play_list.h"
#include "rules/side.h"

#include <algorithm>
#include <thread>

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

// Weights on the network's outputs for weights on side 0's view of them.
std::array<float, kOutcomeCount> weightsOfOutputs(const std::array<float, kOutcomeCount>& sideZero,
                                                  int sideToMove) {
    if (sideToMove == PLAYER_ONE) {
        return sideZero;
    }
    std::array<float, kOutcomeCount> weights{};
    for (std::size_t u = 0; u < kOutcomeCount; ++u) {
        const float sign = u == kWin ? -1.0f : 1.0f;
        weights[static_cast<std::size_t>(kSource[u])] += sign * sideZero[u];
    }
    return weights;
}

} // namespace

OutcomeChances chancesOfSideZero(const OutcomeChances& chances, int side) {
    return side == PLAYER_ONE ? chances : seenByOpponent(chances);
}

// Plays one game on its own copy of the weights, learning as it goes, and
// keeps what the game changed in them.
class GameLearner {
public:
    // With a `lead`, it plays the game at 0 ply until contact is broken and
    // learns from the race only.
    SelfPlayResult play(const NeuralNetwork& start, const TrainingSettings& settings,
                        std::uint32_t game, float rate, const NeuralNetwork* lead);
    // The weights after the game less the weights before it.
    const std::vector<float>& change() const { return change_; }
    // The weights as the game left them.
    std::span<const float> weightsAfter() const { return network_.parameters(); }

private:
    void addGradient(const NetworkInputs& inputs, const OutcomeChances& outputs, int sideToMove);
    void learn(const OutcomeChances& before, const OutcomeChances& target, float rate,
               float lambda);

    NeuralNetwork network_{NeuralNetwork::kMinHiddenUnits};
    std::vector<float> traces_; // one per parameter for each of side 0's chances
    std::vector<float> hidden_;
    std::vector<float> change_;
    PlayList list_;
};

SelfPlayResult GameLearner::play(const NeuralNetwork& start, const TrainingSettings& settings,
                                 std::uint32_t game, float rate, const NeuralNetwork* lead) {
    network_ = start;
    traces_.assign(kOutcomeCount * start.parameterCount(), 0.0f);
    hidden_.assign(static_cast<std::size_t>(start.hiddenUnits()), 0.0f);
    const auto finish = [&](const SelfPlayResult& result) {
        change_.resize(start.parameterCount());
        const std::span<const float> before = start.parameters();
        const std::span<const float> after = network_.parameters();
        for (std::size_t p = 0; p < change_.size(); ++p) {
            change_[p] = after[p] - before[p];
        }
        return result;
    };
    SeededStream dice(streamSeed(settings.seed, game));
    BoardPosition position;
    setStartPosition(position);
    const OpeningRoll opening = rollOpening([&dice] { return dice.die(); });
    int side = opening.firstSide;
    const auto rollDie = [&](int turn, int die) {
        return turn == 1 ? (die == 1 ? opening.die1 : opening.die2) : dice.die();
    };
    int turn = 1;
    for (; lead != nullptr && sidesInContact(position); ++turn) {
        const int die1 = rollDie(turn, 1);
        const int die2 = rollDie(turn, 2);
        generatePlays(list_, position, side, die1, die2);
        if (list_.count > 0) {
            applyPlay(list_[bestPlayOfRoll(*lead, list_, position, side, die1, die2).index],
                      position);
        }
        if (hasWon(position, side)) {
            return finish({side, resultKind(position, side), turn, false});
        }
        side = otherSide(side);
    }
    NetworkInputs inputs;
    for (;; ++turn) {
        network_.encode(position, side, inputs);
        const OutcomeChances outputs = network_.evaluate(inputs, hidden_);
        addGradient(inputs, outputs, side);
        const OutcomeChances before = chancesOfSideZero(outputs, side);

        const int die1 = rollDie(turn, 1);
        const int die2 = rollDie(turn, 2);
        generatePlays(list_, position, side, die1, die2);
        if (list_.count > 0) {
            const JudgedPlay chosen = bestPlayOfRoll(network_, list_, position, side, die1, die2);
            applyPlay(list_[chosen.index], position);
        }
        if (hasWon(position, side)) {
            const ResultKind kind = resultKind(position, side);
            learn(before, chancesOfSideZero(wonGame(kind), side), rate, settings.lambda);
            return finish({side, kind, turn, false});
        }
        side = otherSide(side);
        if (network_.bearoff() != nullptr && isHomeBearoff(position)) {
            const OutcomeChances solved = bearoffChances(*network_.bearoff(), position, side);
            learn(before, chancesOfSideZero(solved, side), rate, settings.lambda);
            const int favourite = cubelessEquity(solved) >= 0.0f ? side : otherSide(side);
            return finish({favourite, ResultKind::Single, turn, true});
        }
        network_.encode(position, side, inputs);
        learn(before, chancesOfSideZero(network_.evaluate(inputs), side), rate, settings.lambda);
    }
}

void GameLearner::addGradient(const NetworkInputs& inputs, const OutcomeChances& outputs,
                              int sideToMove) {
    const std::size_t parameters = network_.parameterCount();
    for (std::size_t u = 0; u < kOutcomeCount; ++u) {
        std::array<float, kOutcomeCount> only{};
        only[u] = 1.0f;
        addWeightedGradient(network_, inputs, hidden_, outputs, weightsOfOutputs(only, sideToMove),
                            std::span<float>(traces_).subspan(u * parameters, parameters));
    }
}

void GameLearner::learn(const OutcomeChances& before, const OutcomeChances& target, float rate,
                        float lambda) {
    std::array<float, kOutcomeCount> step{};
    for (std::size_t u = 0; u < kOutcomeCount; ++u) {
        step[u] = rate * (target[u] - before[u]);
    }
    const std::span<float> weights = network_.parameters();
    const std::size_t parameters = weights.size();
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

TdTrainer::TdTrainer(const TrainingSettings& settings)
    : TdTrainer(settings, TrainedNetwork{randomNetwork(settings), 0}) {}

TdTrainer::TdTrainer(const TrainingSettings& settings, TrainedNetwork resumed)
    : settings_(settings), trained_(std::move(resumed)) {
    settings_.gamesPerBatch = std::max<std::uint32_t>(settings_.gamesPerBatch, 1);
    for (std::uint32_t i = 0; i < settings_.gamesPerBatch; ++i) {
        learners_.push_back(std::make_unique<GameLearner>());
    }
}

TdTrainer::~TdTrainer() = default;

void TdTrainer::setBearoff(std::shared_ptr<const BearoffDatabase> database) {
    trained_.network.setBearoff(std::move(database));
}

void TdTrainer::setRaceLead(std::shared_ptr<const NeuralNetwork> lead) {
    raceLead_ = std::move(lead);
}

float TdTrainer::learningRateOf(std::uint32_t game) const {
    if (settings_.plannedGames == 0) {
        return settings_.firstLearningRate;
    }
    const float progress =
        std::min(1.0f, static_cast<float>(game) / static_cast<float>(settings_.plannedGames));
    return settings_.firstLearningRate +
           (settings_.lastLearningRate - settings_.firstLearningRate) * progress;
}

std::vector<SelfPlayResult> TdTrainer::playBatch(std::uint32_t maxGames) {
    const std::uint32_t first = trained_.gamesTrained;
    const auto games = static_cast<std::size_t>(std::min(settings_.gamesPerBatch, maxGames));
    std::vector<SelfPlayResult> results(games);
    if (games == 0) {
        return results;
    }
    const NeuralNetwork& network = trained_.network;
    const auto playShare = [&](std::size_t worker, std::size_t workers) {
        for (std::size_t g = worker; g < games; g += workers) {
            const auto game = first + static_cast<std::uint32_t>(g);
            results[g] =
                learners_[g]->play(network, settings_, game, learningRateOf(game), raceLead_.get());
        }
    };
    const std::size_t workers = std::min(games, static_cast<std::size_t>(threads_));
    std::vector<std::jthread> helpers;
    for (std::size_t worker = 1; worker < workers; ++worker) {
        helpers.emplace_back(playShare, worker, workers);
    }
    playShare(0, std::max<std::size_t>(workers, 1));
    helpers.clear();

    // The first game's weights as they are (so a batch of one learns exactly
    // as one game alone), then what each later game changed.
    const std::span<float> weights = trained_.network.parameters();
    const std::span<const float> firstAfter = learners_[0]->weightsAfter();
    std::copy(firstAfter.begin(), firstAfter.end(), weights.begin());
    for (std::size_t g = 1; g < games; ++g) {
        const std::vector<float>& change = learners_[g]->change();
        for (std::size_t p = 0; p < weights.size(); ++p) {
            weights[p] += change[p];
        }
    }
    trained_.gamesTrained = first + static_cast<std::uint32_t>(games);
    return results;
}

} // namespace vh
