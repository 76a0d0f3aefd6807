#pragma once

#include "rules/board_position.h"

namespace vh {

enum class ResultKind { Single = 1, Gammon = 2, Backgammon = 3 };

// How a finished game counts for the winner: a gammon when the loser has
// borne off nothing; a backgammon when the loser still has a checker on its
// bar or in the winner's home board (whatever it has borne off).
ResultKind resultKind(const BoardPosition& position, int winner);

} // namespace vh
