#pragma once

#include "rules/board_position.h"
#include "rules/match_state.h"
#include "rules/result_kind.h"

#include <array>
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

// How a game of a match ended: the two sides, the winner, how and for how
// many points, the score after it and, on the match's last game, the Match
// Bet paid.
struct MatchGameEnd {
    std::array<std::string, 2> names; // Windows-1252, as the players hold them
    std::array<bool, 2> isComputer{};
    int winner = 0;
    ResultKind kind = ResultKind::Single;
    bool refused = false; // a double was declined
    int points = 1;
    MatchState after;
    std::int32_t bet = 0;
};

// The box that ends a game of a match: its points and the score, or the
// match and its bet once it is won. A human winner is congratulated, else the
// loser is told, as at the end of a money game.
GameEndMessage matchGameEndMessage(const MatchGameEnd& end);

// "Match to 7: 3 - 5", the score of `side` first.
std::string matchScoreText(const MatchState& match, int side);

} // namespace vh
