#pragma once

#include "rules/board_position.h"

namespace vh {

enum class ResultKind { Single = 1, Gammon = 2, Backgammon = 3 };

// How a finished game counts for the winner: a single game when the loser
// has borne off at least one checker, whatever is left on its bar or in the
// winner's home board; with none borne off a gammon, or a backgammon when a
// checker of the loser is still on its bar or in the winner's home board.
ResultKind resultKind(const BoardPosition& position, int winner);

} // namespace vh
