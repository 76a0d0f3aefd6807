#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

namespace vh::train {

// A phase of training beyond self-play: rounds in which the network plays
// games against itself, judges each of their positions one roll ahead, and
// is fitted to those judgements.
struct LookaheadPhase {
    std::filesystem::path startFrom; // the trained network
    std::filesystem::path out;
    std::uint64_t seed = 1;
    std::uint32_t gamesPerRound = 2000;
    int rounds = 1;
    int rolls = 1;  // how far ahead the positions are judged
    int epochs = 2; // passes over a round's positions
    float learningRate = 0.02f;
    int threads = 1;      // the weights do not depend on it
    int measureGames = 0; // after each round, at 0 ply against the yardstick; 0: never
    std::string yardstick;
    std::uint64_t measureSeed = 20240601;
};

// Runs the phase, writing a line per round and pass to `log` and the weights,
// with the games and settings the start network was trained with, to `out`.
// False, with the reason on `log`, when a file fails.
bool runLookaheadPhase(const LookaheadPhase& phase, std::ostream& log);

} // namespace vh::train
