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
// position (a game set up in another way). The rolls are those the file
// keeps, else those the moves tell. When its doubles do not account for the
// cube (an older file does not say when it was turned), the cube is not
// judged.
std::optional<GameRecord> recordOfSavedGame(const SavedGame& game);

} // namespace vh
