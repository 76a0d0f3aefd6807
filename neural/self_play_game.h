#pragma once

#include "neural/network.h"
#include "rules/board_position.h"
#include "rules/play_list.h"

#include <cstdint>
#include <functional>

namespace vh {

// Plays game `game` of `network` against itself at 0 ply (the play of the
// highest cubeless equity each turn), with dice from streamSeed(seed, game),
// the opening roll first. Before every turn after the first, `onRoll` is
// shown the position and the side to roll; the game stops when it answers
// false or a side has won. `list` is working space.
void playSelfPlayGame(const NeuralNetwork& network, std::uint64_t seed, std::uint64_t game,
                      PlayList& list,
                      const std::function<bool(const BoardPosition&, int side)>& onRoll);

} // namespace vh
