#pragma once

#include "rules/board_position.h"

#include <string>
#include <string_view>

namespace vh {

// What a match ID tells besides the position: the cube, whose turn it is and
// what happens in it, the dice and the score.
struct MatchIdFields {
    int cubeValue = 1;
    int cubeOwner = -1; // -1 centred, else the side
    int sideOnRoll = 0;
    bool crawford = false;
    int gameState = 1; // 0 none, 1 playing, 2 over, 3 resigned, 4 dropped cube
    int sideToDecide = 0;
    bool doubleOffered = false;
    int resignation = 0; // 0 none, 1 single, 2 gammon, 3 backgammon
    int die1 = 0;
    int die2 = 0;        // 0 0: not rolled
    int matchLength = 0; // 0: a money game
    int score0 = 0;
    int score1 = 0;

    friend bool operator==(const MatchIdFields&, const MatchIdFields&) = default;
};

// The 12-character match ID other backgammon programs exchange. A cube above
// 32768 is written as 32768, other values too large for their fields lose
// their high bits.
std::string matchId(const MatchIdFields& fields);
// False with `error` (and `fields` untouched) when `id` is not 12 base64
// characters or holds a value no game has.
bool readMatchId(std::string_view id, MatchIdFields& fields, std::string& error);

// "POSITIONID:MATCHID", the position seen with fields.sideOnRoll on roll.
std::string gameId(const BoardPosition& position, const MatchIdFields& fields);
// Either that, or a position ID alone: then side 0 is on roll in a money game
// in play, the cube centred, the dice not rolled. Spaces around it are
// allowed. False with `error`, the outputs untouched, when either ID is bad.
bool readGameId(std::string_view text, BoardPosition& position, MatchIdFields& fields,
                std::string& error);

} // namespace vh
