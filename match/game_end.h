#pragma once

#include "rules/board_position.h"
#include "rules/result_kind.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vh {

// A side that has borne off all fifteen checkers, side 0 tested first; -1
// while the game goes on.
int boardWinner(const BoardPosition& position);

// The message box that announces the end of a game on the board.
struct GameEndMessage {
    std::string caption;
    std::string text;
    bool won = false; // the "Match Won!" box and its sound, else "Match Lost!"
};

// A human winner is congratulated; when the computer wins, its opponent is
// told the loss. With two humans the winner is congratulated, with two
// computers the loser gets the loss text.
GameEndMessage boardEndMessage(std::string_view winnerName, bool winnerIsComputer,
                               std::string_view loserName, ResultKind kind, std::int32_t amount);

// The box shown when a double is refused: the offering side wins a single
// game at the cube value before doubling, whoever offered.
GameEndMessage refusedDoubleMessage(std::string_view offeringName, std::int32_t amount);

} // namespace vh
