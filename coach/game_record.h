#pragma once

#include "rules/board_position.h"
#include "rules/match_state.h"
#include "rules/play.h"
#include "rules/result_kind.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vh {

// A double offered before a turn's roll, and the answer.
enum class CubeAction { None, DoubleTaken, DoublePassed };

// One turn of a game as the coach sees it: who moved, the roll (0 and 0 when
// it is not known), the play made, and a double the mover offered first.
// A passed double ends the game: that turn has no roll and no play.
struct RecordedTurn {
    int side = 0;
    int die1 = 0;
    int die2 = 0;
    Play play;
    CubeAction cube = CubeAction::None;
};

// A whole game, or the part played so far, from its first position.
struct GameRecord {
    std::array<std::string, 2> names;
    BoardPosition start;
    std::int32_t startCubeValue = 1;
    int startCubeOwner = -1; // -1 centred
    bool openingRoll = true; // the first turn's roll was the opening roll (no doubles)
    // A saved game opened with the cube turned does not say when it was:
    // the cube is judged from turn `cubeKnownFrom` on, where it stands at
    // `knownCubeValue` owned by `knownCubeOwner`, and not before.
    std::size_t cubeKnownFrom = 0;
    std::int32_t knownCubeValue = 1;
    int knownCubeOwner = -1;
    std::vector<RecordedTurn> turns;
    // The match the game belongs to as it stood when the game began (the
    // score before it, and whether it is the Crawford game); length 0: a
    // money game.
    MatchState match{};
    // Once the game is over: who won and how many points (the cube's value
    // times 1, 2 or 3).
    int winner = -1;
    int points = 0;
};

} // namespace vh
