#pragma once

#include "coach/game_record.h"
#include "match/saved_game.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// Games as the .mat text other backgammon programs read and write:
//
//    0 point match
//
//    Game 1
//    Ann : 0                               Bob : 0
//     1) 31: 8/5 6/5                        64: 24/18 13/9
//     2)  Doubles => 2                       Takes
//
// a numbered line per pair of turns, player 1 (side 0) on the left, player 2
// from column 40; each turn a roll and its play from the mover's own side
// (nothing after a roll that cannot be played), or a cube action; at the
// game's end " Wins N point(s)" in the winner's column. Names are UTF-8 in
// the file, Windows-1252 in the record.

// The games of a match one after another, Game 1 first, each with the score
// it began at (the first game's match length heads the text; 0 and 0 : 0 for
// a money game). A roll the record does not know is one the play is legal with.
std::string matText(std::span<const GameRecord> games);
std::string matText(const GameRecord& game);
// Replaces the file atomically; false with `error` when it cannot be written.
bool writeMatFile(const std::filesystem::path& path, std::span<const GameRecord> games,
                  std::string& error);
inline bool writeMatFile(const std::filesystem::path& path, const GameRecord& game,
                         std::string& error) {
    return writeMatFile(path, std::span(&game, 1), error);
}

struct MatGames {
    std::vector<GameRecord> games;
    int matchLength = 0; // 0: money games
};
// Every game of the text (at least one), each turn checked against the
// rules from the start position. In a match each game's record holds the
// score of its players line and whether it is the Crawford game: the game
// after one that left a side a point short, or the first game read at such
// a score. On the first line that cannot be read:
// false, `error` "line N: what is wrong", and `games` untouched.
bool readMatText(std::string_view text, MatGames& games, std::string& error);
// The same from a file of at most a few megabytes.
bool readMatFile(const std::filesystem::path& path, MatGames& games, std::string& error);

// A saved game that replays `game` from its start: every turn in the history
// with its roll and double, the board after the last turn, the other side to
// move next with a fresh roll, the cube as the doubles left it.
SavedGame savedGameOf(const GameRecord& game);

} // namespace vh
