#pragma once

#include "coach/game_record.h"
#include "match/saved_game.h"

#include <optional>

namespace vh {

// The roll a recorded play was made with, as far as its moves tell: both
// dice from two moves or more, nothing (0 and 0) from fewer.
void diceOfPlay(const Play& play, int& die1, int& die2);

// The turns a saved game played before it was saved, from the start
// position on: nothing when its history does not lead back to the start
// position (a game set up in another way). The file does not say when a
// cube was turned: with one turned, the cube is not judged.
std::optional<GameRecord> recordOfSavedGame(const SavedGame& game);

} // namespace vh
