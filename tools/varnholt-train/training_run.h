#pragma once

#include "neural/td_trainer.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>

namespace vh::train {

struct RunSettings {
    TrainingSettings training;
    std::uint32_t games = 0; // train until this many games in all
    int threads = 1;         // the weights do not depend on it
    // The network that plays each game until contact is broken: the network
    // trained then learns the races only.
    std::optional<std::filesystem::path> raceLead;
    std::filesystem::path out;
    std::optional<std::filesystem::path> resume;
    std::filesystem::path checkpoint; // empty: none
    std::uint32_t checkpointEvery = 10000;
    std::filesystem::path curve; // CSV of the measurements; empty: none
    std::uint32_t progressEvery = 1000;
    std::uint32_t measureEvery = 10000; // 0: never
    int measureGames = 500;             // duplicate games against the classic two-ply tier
    std::uint64_t measureSeed = 20240601;
};

// Trains as the settings say, writing a progress line to `log` every
// progressEvery games ("games G games/s R") with "ppg P ci C" added every
// measureEvery games (the network at 0 ply against classic:2001, in
// duplicate), a checkpoint every checkpointEvery games and the weights to
// `out` at the end. False, with the reason on `log`, when a file fails.
bool runTraining(const RunSettings& settings, std::ostream& log);

// The network at 0 ply against the classic two-ply tier over `games`
// duplicate games (rounded down to pairs): A's points per game and the
// half-width of its 95 % interval.
std::pair<double, double> measureAgainstClassic(const NeuralNetwork& network, int games,
                                                std::uint64_t seed);

} // namespace vh::train
