#pragma once

#include "neural/network.h"
#include "neural/training_settings.h"
#include "neural/weights_file.h"
#include "rules/result_kind.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vh {

class BearoffDatabase;

struct SelfPlayResult {
    int winner = 0;
    ResultKind kind = ResultKind::Single;
    int turns = 0;
    bool solved = false; // ended as a bear-off of the database: `winner` is the favourite
};

class GameLearner;

// Temporal-difference learning, TD(lambda), by self-play: the network plays
// both sides, each turn the play of the highest cubeless equity after it
// (bestPlayOfRoll), and after each turn it moves its judgement of the
// position before the turn towards its judgement of the position after it,
// or towards the result once the game is over. The values learnt are the
// five chances of the side to move; the traces follow them from side 0's
// point of view, so one trace serves the whole game. The games of a batch
// start from the same weights, each learning on its own copy, and what each
// changed is added to the weights in the order of the games: so they can be
// played side by side on threads and give the same weights for any number
// of threads. Game g is played with dice from
// streamSeed(seed, g), so a run resumed from its checkpoint plays on exactly
// as the run that wrote it.
class TdTrainer {
public:
    // Fresh weights, uniform within the initial range, from the seed.
    explicit TdTrainer(const TrainingSettings& settings);
    // Goes on from a network trained with the same settings.
    TdTrainer(const TrainingSettings& settings, TrainedNetwork resumed);
    ~TdTrainer();
    TdTrainer(const TdTrainer&) = delete;
    TdTrainer& operator=(const TdTrainer&) = delete;

    // With the database both sides bear off by it, and a game ends, judged
    // by it, as soon as both sides are home without contact.
    void setBearoff(std::shared_ptr<const BearoffDatabase> database);
    // Games are played by `lead` at 0 ply until contact is broken, and the
    // network learns from the races that follow: a race network.
    void setRaceLead(std::shared_ptr<const NeuralNetwork> lead);
    // Threads for the games of a batch (at least 1); the weights do not
    // depend on it.
    void setThreads(int threads) { threads_ = threads < 1 ? 1 : threads; }

    // Plays the next batch, at most `maxGames` of its games.
    std::vector<SelfPlayResult> playBatch(std::uint32_t maxGames = UINT32_MAX);

    const TrainedNetwork& trained() const { return trained_; }
    std::uint32_t gamesPlayed() const { return trained_.gamesTrained; }
    // The step size of the next game.
    float learningRate() const { return learningRateOf(trained_.gamesTrained); }

private:
    float learningRateOf(std::uint32_t game) const;

    TrainingSettings settings_;
    TrainedNetwork trained_;
    int threads_ = 1;
    std::vector<std::unique_ptr<GameLearner>> learners_;
    std::shared_ptr<const NeuralNetwork> raceLead_;
};

// The chances of `side`'s view as side 0 sees them (unchanged for side 0).
OutcomeChances chancesOfSideZero(const OutcomeChances& chances, int side);

} // namespace vh
