#pragma once

#include "neural/network.h"
#include "neural/outcome.h"
#include "rules/board_position.h"
#include "rules/play_list.h"

#include <array>

namespace vh {

// The network at work on whole positions, as the trainer and the engine use
// it. Chances are made consistent; a finished game gets its certain result
// instead of the network's guess, a bear-off with both sides home its
// solved chances when the network has the database, and any other race
// without contact the judgement of the network's race network when it has
// one. Nothing here allocates.

// The chances of `sideToMove`, about to roll in `position`.
OutcomeChances chancesOnRoll(const NeuralNetwork& network, const BoardPosition& position,
                             int sideToMove);

// The chances of `mover` right after it has played into `position` (the
// other side is to roll next).
OutcomeChances chancesAfterPlay(const NeuralNetwork& network, const BoardPosition& position,
                                int mover);

// A play of a list with the mover's chances after it.
struct JudgedPlay {
    int index = -1; // -1 when the list is empty
    OutcomeChances chances{};
    float equity = 0.0f;
};

// The play of `list` (plays of `mover` from `position`) after which the mover's
// cubeless equity is highest; the first of equal ones. `position` is working
// space and is back as it was on return.
JudgedPlay bestPlay(const NeuralNetwork& network, const PlayList& list, BoardPosition& position,
                    int mover);

// The same for the list of a roll: a double's list holds every play twice
// (the generator enumerates it twice), so only its first half is judged.
JudgedPlay bestPlayOfRoll(const NeuralNetwork& network, const PlayList& list,
                          BoardPosition& position, int mover, int die1, int die2);

// The 21 distinct rolls: die1 >= die2, a double once, with their weight among
// the 36 (1 for a double, 2 for the others).
struct WeightedRoll {
    int die1;
    int die2;
    int weight;
};
const std::array<WeightedRoll, 21>& distinctRolls();

// One roll ahead: the chances of `sideToMove`, about to roll in `position`,
// as the average over the 21 rolls of the chances after its best play by
// bestPlay (a roll it cannot play leaves the position to the opponent).
// `list` and `position` are working space; `position` is back on return.
OutcomeChances chancesOneRollAhead(const NeuralNetwork& network, BoardPosition& position,
                                   int sideToMove, PlayList& list);

} // namespace vh
