#pragma once

#include "neural/network.h"
#include "neural/weights_file.h"
#include "rules/play_list.h"
#include "rules/result_kind.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vh {

// How a network learns from self-play.
struct TrainingSettings {
    std::uint32_t seed = 1; // the first weights and every game's dice follow from it
    int hiddenUnits = 96;
    int encoding = kBasicEncoding;
    float lambda = 0.7f;
    // The step size falls in a straight line from the first to the last
    // value over `plannedGames`, and stays at the last after that.
    float firstLearningRate = 0.1f;
    float lastLearningRate = 0.02f;
    std::uint32_t plannedGames = 0; // 0: the first rate throughout
    float initialWeightRange = 0.1f;
};

struct SelfPlayResult {
    int winner = 0;
    ResultKind kind = ResultKind::Single;
    int turns = 0;
};

// Temporal-difference learning, TD(lambda), by self-play: the network plays
// both sides, each turn the play of the highest cubeless equity after it
// (bestPlayOfRoll), and after each turn it moves its judgement of the
// position before the turn towards its judgement of the position after it,
// or towards the result once the game is over. The values learnt are the
// five chances of the side to move; the traces follow them from side 0's
// point of view, so one trace serves the whole game. Game g is played with
// dice from streamSeed(seed, g), so a run resumed from its checkpoint plays
// on exactly as the run that wrote it.
class TdTrainer {
public:
    // Fresh weights, uniform within the initial range, from the seed.
    explicit TdTrainer(const TrainingSettings& settings);
    // Goes on from a network trained with the same settings.
    TdTrainer(const TrainingSettings& settings, TrainedNetwork resumed);
    TdTrainer(const TdTrainer&) = delete;
    TdTrainer& operator=(const TdTrainer&) = delete;

    SelfPlayResult playGame();

    const TrainedNetwork& trained() const { return trained_; }
    std::uint32_t gamesPlayed() const { return trained_.gamesTrained; }
    float learningRate() const;

private:
    void addGradient(const NetworkInputs& inputs, const OutcomeChances& outputs, int sideToMove);
    void learn(const OutcomeChances& before, const OutcomeChances& target);

    TrainingSettings settings_;
    TrainedNetwork trained_;
    std::vector<float> traces_;     // kOutcomeCount traces of parameterCount() each
    std::vector<float> hidden_;     // the hidden units of the position before the turn
    std::vector<float> unitSlopes_; // one output's slope at each hidden unit's sum
    std::unique_ptr<PlayList> list_;
};

// The chances of `side`'s view as side 0 sees them (unchanged for side 0).
OutcomeChances chancesOfSideZero(const OutcomeChances& chances, int side);

} // namespace vh
