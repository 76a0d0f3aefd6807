#pragma once

#include "match/game_manager.h"
#include "match/saved_game.h"
#include "rules/match_id.h"

#include <array>
#include <optional>
#include <string>

namespace vh {

// "POSITIONID:MATCHID" of the game as it stands: the position at the start
// of the turn, the side to move with its roll once it is shown, the cube.
// Nothing without a game.
std::optional<std::string> gameIdOf(const GameManager& game);

// A game to open in the position an ID gives, between `players` (side 0
// first): the side on roll, the cube, and its roll (thrown now when the ID
// has none; it stays under the cup until pressed).
SavedGame savedGameOfId(const BoardPosition& position, const MatchIdFields& fields,
                        const std::array<SavedPlayer, 2>& players);

// Seats the opponents of the roster and the champion as computers where the
// players of `game` carry their names (a game read from a match file does
// not say who was a computer).
void seatKnownComputers(SavedGame& game);

} // namespace vh
