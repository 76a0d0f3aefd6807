// write_saved_game FILE: a game between two humans, Ann and Bob, at the start
// position with Ann (side 0) to move on a roll of 6-1.

#include "match/saved_game.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_saved_game FILE\n";
        return 2;
    }
    vh::SavedGame game;
    game.currentSide = 0;
    game.players[0] = {"Ann", 0, 0, 0};
    game.players[1] = {"Bob", 0, 1, 0};
    game.die1 = 6;
    game.die2 = 1;
    vh::setStartPosition(game.position);
    std::string error;
    if (!vh::writeSavedGameFile(argv[1], game, error)) {
        std::cerr << error << '\n';
        return 1;
    }
    return 0;
}
