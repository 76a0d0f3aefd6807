#pragma once

#include "match/game_manager.h"

#include <cstdint>
#include <string>

namespace vh {

// The three panes of the main window's status line.
struct StatusTexts {
    std::string gameTime; // "Game Time 09:05"
    std::string turns;    // "Turns Played: 12"
    // "Anna's turn - Time Remaining 2:07", "Anna won the opening roll - Anna's
    // turn - Anna plays White" in the game's first turn (each human's colour
    // named), or "Game Finished."
    std::string turn;

    bool operator==(const StatusTexts&) const = default;
};

// "Game Time mm:ss": both two digits at least, minutes not limited.
std::string gameTimeText(std::uint32_t milliseconds);
std::string turnsPlayedText(int turns);
// "<name>'s turn", followed by " - Time Remaining m:ss" when time is left on
// the player's clock (minutes unpadded). The name is in the data files' code
// page; the text is UTF-8, for the screen.
std::string turnText(const std::string& name, std::uint32_t remainingMs);

StatusTexts statusTexts(const GameManager& game);

// Once a game of a match is over: its result, "Ann won 2 points" (" - the
// Crawford game is next" when it is) or "Ann won the match", and the score
// after it, "Match to 7: Ann 3, Bob 5"; both empty for a money game or a
// game going on.
struct MatchResultTexts {
    std::string result;
    std::string score;
};
MatchResultTexts matchResultTexts(const GameManager& game);
// The last play recorded, for the status line and a screen reader:
// "Milo Finch played 13/7 8/7"; empty before the first.
std::string lastPlayText(const GameManager& game);
// The board for a screen reader: whose turn and the roll, the pip counts, the
// cube and where each side's checkers stand, counted from its own side.
std::string boardDescription(const GameManager& game);

} // namespace vh
