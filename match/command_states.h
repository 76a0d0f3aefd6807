#pragma once

#include "match/game_manager.h"

#include <cstdint>

namespace vh {

// Which game commands of the menu and the toolbar are available. The other
// commands (open, exit, statistics, settings, help) always are.
struct CommandStates {
    bool newGame = true;
    bool restart = false;
    bool pause = false;
    bool resume = false;
    bool save = false;
    bool undo = false;
    bool redo = false;
    bool suggest = false;
    bool force = false;
    bool bestMoves = false; // the coach's list for a game being played
    bool review = false;    // a game to review

    bool operator==(const CommandStates&) const = default;
};

// The states for a game that has been set up, or for none (nullptr).
CommandStates commandStates(const GameManager* game);

// How long the window's game loop may wait before its next pass: a frame
// while something moves by itself (a computer thinks or animates, a replay
// runs, a finished game waits to be closed), else until the next second a
// clock shows, and a long while when nothing can change without the user.
// Every user action on the game runs a pass at once, so waiting long never
// delays an answer.
inline constexpr std::uint32_t kBusyPassMs = 15;
inline constexpr std::uint32_t kQuietPassMs = 1000;
std::uint32_t nextPassDelayMs(const GameManager* game);

} // namespace vh
