#pragma once

#include <array>

namespace vh {

// A match to `length` points between the same two sides: the score and
// where the Crawford rule stands. The Crawford game is the first game after
// a side comes within one point of winning; no double may be offered in it.
// Length 0 is a money game: no score is kept and the cube is always free.
struct MatchState {
    static constexpr int kLongestMatch = 25;
    enum class Crawford { NotYet = 0, ThisGame = 1, After = 2 }; // as saved games keep it

    int length = 0;
    std::array<int, 2> score{0, 0};
    Crawford crawford = Crawford::NotYet;

    bool isMatch() const { return length > 0; }
    // The points `side` still needs.
    int away(int side) const;
    // The side that has won the match, or -1.
    int winner() const;
    // Whether a double may be offered in the game being played.
    bool cubeAvailable() const { return crawford != Crawford::ThisGame; }
    // The game just finished, won by `side` for `points`: the score, and
    // whether the next game is the Crawford game or comes after it.
    void addGame(int side, int points);

    bool operator==(const MatchState&) const = default;
};

} // namespace vh
