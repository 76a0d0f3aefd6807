#pragma once

#include "neural/td_trainer.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>

namespace vh::train {

// The first champion's network, kept fixed as the learning curve's
// measure (a path from the top of the source tree).
inline constexpr const char* kDefaultYardstick = "tests/data/Champion-v1.weights";

struct RunSettings {
    // A resumed run takes them from its checkpoint (see resumedSettings);
    // `chosen` names the options the command line gave.
    TrainingSettings training;
    std::set<std::string> chosen;
    std::uint32_t games = 0; // train until this many games in all
    int threads = 1;         // the weights do not depend on it
    // The network that plays each game until contact is broken: the network
    // trained then learns the races only.
    std::optional<std::filesystem::path> raceLead;
    std::filesystem::path out;
    std::optional<std::filesystem::path> resume;
    // A network whose weights a new phase of training starts from.
    std::optional<std::filesystem::path> startFrom;
    std::filesystem::path checkpoint; // empty: none
    std::uint32_t checkpointEvery = 10000;
    std::filesystem::path curve; // CSV of the measurements; empty: none
    std::uint32_t progressEvery = 1000;
    std::uint32_t measureEvery = 10000;        // 0: never
    int measureGames = 500;                    // duplicate games against the yardstick
    std::string yardstick = kDefaultYardstick; // a weights file, or "classic"
    std::uint64_t measureSeed = 20240601;
};

// Trains as the settings say, writing a progress line to `log` every
// progressEvery games ("games G games/s R") with "ppg P ci C" added every
// measureEvery games (the network at 0 ply against the yardstick, in
// duplicate), a checkpoint every checkpointEvery games and the weights to
// `out` at the end, each with the run's settings. The curve's header names
// the yardstick; a resumed run adds to a curve only of the same yardstick.
// False, with the reason on `log`, when a file fails or the command line
// contradicts the checkpoint.
bool runTraining(const RunSettings& settings, std::ostream& log);

} // namespace vh::train
