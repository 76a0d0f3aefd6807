#pragma once

#include "neural/network.h"
#include "neural/outcome.h"
#include "rules/board_position.h"
#include "rules/play_list.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vh {

// A position of self-play with the chances of its side on roll one or two
// rolls ahead: the average over the 21 rolls of the chances after its best
// play of each (by the network at 0 ply), judged there by the network or,
// two rolls ahead, by the opponent's chances one roll ahead.
struct LookaheadTarget {
    BoardPosition position;
    int sideToMove = 0;
    OutcomeChances chances{};
};

// Every position with contact, side on roll, of `games` games the network
// plays against itself at 0 ply (game g with dice from streamSeed(seed, g)),
// with its chances `rolls` (1 or 2) rolls ahead, worked out on `threads`
// threads. The same for any number of threads.
std::vector<LookaheadTarget> lookaheadTargets(const NeuralNetwork& network, std::uint32_t games,
                                              std::uint64_t seed, int rolls, int threads);

// The chances of `sideToMove`, on roll in `position`, `rolls` rolls ahead
// (at least 1) as above. `list` and `position` are working space; `position`
// is back on return.
OutcomeChances chancesRollsAhead(const NeuralNetwork& network, BoardPosition& position,
                                 int sideToMove, int rolls, PlayList& list);

// One pass over the targets in an order shuffled by `seed`, each moving the
// network's outputs for its position towards its chances by a step of
// `rate` times the error (stochastic gradient descent on the squared
// error). Returns the mean squared error of the outputs met on the way.
double fitLookaheadTargets(NeuralNetwork& network, std::span<const LookaheadTarget> targets,
                           float rate, std::uint64_t seed);

// The mean squared error of the network's outputs against the targets.
double lookaheadError(const NeuralNetwork& network, std::span<const LookaheadTarget> targets);

} // namespace vh
