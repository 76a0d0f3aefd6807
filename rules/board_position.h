#pragma once

#include "rules/checker_move.h"
#include "rules/play.h"

#include <array>
#include <cstdint>

namespace vh {

inline constexpr int kPointCount = 24;
inline constexpr int kEntryCount = 28;
inline constexpr int kCheckersPerSide = 15;

inline constexpr int BAR_ONE = 24; // the bar of PLAYER_ONE
inline constexpr int BAR_TWO = 25; // the bar of PLAYER_TWO
inline constexpr int OFF_ONE = 26; // checkers borne off by PLAYER_ONE
inline constexpr int OFF_TWO = 27; // checkers borne off by PLAYER_TWO
inline constexpr std::int32_t kNoOwner = -1;

constexpr int barEntry(int side) {
    return side == 0 ? BAR_ONE : BAR_TWO;
}
constexpr int offEntry(int side) {
    return side == 0 ? OFF_ONE : OFF_TWO;
}

// A point, a bar or a borne-off tray. When a point is emptied its owner is
// left unchanged, so an owner means something only while count is at least 1.
struct BoardEntry {
    std::int32_t count = 0;
    std::int32_t owner = kNoOwner;

    bool heldBy(int side) const { return count >= 1 && owner == side; }
    friend bool operator==(const BoardEntry&, const BoardEntry&) = default;
};

// A backgammon position: points 0-23, the two bars, the two borne-off trays.
struct BoardPosition {
    std::array<BoardEntry, kEntryCount> entries;

    BoardEntry& operator[](int index) { return entries[static_cast<std::size_t>(index)]; }
    const BoardEntry& operator[](int index) const {
        return entries[static_cast<std::size_t>(index)];
    }
    friend bool operator==(const BoardPosition&, const BoardPosition&) = default;
};

// Count 0 and owner -1 everywhere.
void clearPosition(BoardPosition& position);
// Clears, then places the fifteen checkers of each side on their start points.
void setStartPosition(BoardPosition& position);

// Moves one checker; a hit sends the single checker on the target to its bar.
// The owner of the emptied entry is left as it was.
inline void applyMove(const CheckerMove& move, BoardPosition& position) {
    BoardEntry& from = position[static_cast<int>(move.from)];
    BoardEntry& to = position[static_cast<int>(move.to)];
    if (move.hit == 1) {
        to.count = 0;
        ++position[to.owner != 0 ? BAR_TWO : BAR_ONE].count;
    }
    to.owner = from.owner;
    ++to.count;
    --from.count;
}

// The exact inverse of applyMove, restoring a hit checker from its bar.
inline void takeBackMove(const CheckerMove& move, BoardPosition& position) {
    BoardEntry& from = position[static_cast<int>(move.from)];
    BoardEntry& to = position[static_cast<int>(move.to)];
    from.owner = to.owner;
    ++from.count;
    --to.count;
    if (move.hit == 1) {
        const int hitSide = from.owner == 0 ? 1 : 0;
        to.count = 1;
        to.owner = hitSide;
        --position[hitSide == 0 ? BAR_ONE : BAR_TWO].count;
    }
}

void applyPlay(const Play& play, BoardPosition& position);
void takeBackPlay(const Play& play, BoardPosition& position);

// Pips the side still has to travel; a checker on the bar counts 25.
unsigned pipCount(const BoardPosition& position, int side);
// No checker of the side on a point outside its home board; the bar is not looked at.
bool allAtHome(const BoardPosition& position, int side);
bool allAtHomeIncludingBar(const BoardPosition& position, int side);
bool hasWon(const BoardPosition& position, int side);

// Builds a position from 28 signed counts: points 0-23 (n > 0 is n checkers
// of side 0, -n is n checkers of side 1), then the bar of side 0, the bar of
// side 1, borne off by side 0, borne off by side 1. Empty points have no owner.
BoardPosition positionFromSignedCounts(const std::array<int, kEntryCount>& counts);
// The inverse: points signed by owner, bars and trays as plain counts.
std::array<int, kEntryCount> signedCounts(const BoardPosition& position);

// Same checkers on the same entries: counts everywhere, owners where count >= 1.
bool samePlacement(const BoardPosition& a, const BoardPosition& b);
// Checkers of the side on points, bar and tray together.
int checkerTotal(const BoardPosition& position, int side);

} // namespace vh
