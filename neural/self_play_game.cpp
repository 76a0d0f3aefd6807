#include "neural/self_play_game.h"

#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/opening_roll.h"
#include "rules/side.h"

namespace vh {

void playSelfPlayGame(const NeuralNetwork& network, std::uint64_t seed, std::uint64_t game,
                      PlayList& list,
                      const std::function<bool(const BoardPosition&, int side)>& onRoll) {
    SeededStream dice(streamSeed(seed, game));
    BoardPosition position;
    setStartPosition(position);
    const OpeningRoll opening = rollOpening([&dice] { return dice.die(); });
    int side = opening.firstSide;
    for (int turn = 1;; ++turn) {
        if (turn > 1 && !onRoll(position, side)) {
            return;
        }
        const int die1 = turn == 1 ? opening.die1 : dice.die();
        const int die2 = turn == 1 ? opening.die2 : dice.die();
        generatePlays(list, position, side, die1, die2);
        if (list.count > 0) {
            applyPlay(list[bestPlayOfRoll(network, list, position, side, die1, die2).index],
                      position);
        }
        if (hasWon(position, side)) {
            return;
        }
        side = otherSide(side);
    }
}

} // namespace vh
