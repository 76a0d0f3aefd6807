#pragma once

#include "neural/encoding.h"

#include <cstdint>

namespace vh {

// How a network learns from self-play. A weights file keeps them beside the
// weights, so a run resumed from its checkpoint goes on with them.
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
    // Games played at once on the same weights; their changes are added to
    // the weights afterwards in the order of the games. Every game of a
    // batch pushes the weights from the same start, so a large batch steps
    // too far early in a run (sixteen had learnt far less than one after
    // 20 000 games).
    std::uint32_t gamesPerBatch = 2;
    // Whether games end, judged by the bear-off database, once both sides
    // are home (the trainer is then given the database).
    bool solvedBearoffs = false;

    friend bool operator==(const TrainingSettings&, const TrainingSettings&) = default;
};

} // namespace vh
