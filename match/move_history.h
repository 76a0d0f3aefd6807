#pragma once

#include "rules/play.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vh {

// The finished turns of a game, for undo and redo. Entries below the cursor
// are in effect; those from the cursor up to the total can be redone. After
// 1023 turns the history starts over.
class MoveHistory {
public:
    static constexpr int kCapacity = 1024;

    void reset(bool sideZeroIsComputer, bool sideOneIsComputer);
    void clear(); // cursor and total back to 0

    // Records a finished turn at the cursor and drops what could be redone.
    void append(const Play& play, int side, int die1, int die2);
    // Keeps the turn in progress at the cursor without moving it.
    void writeCurrent(const Play* play, int side, int die1, int die2);

    // The entry to take back (the cursor moves down), or -1.
    int undoIndex();
    // The entry to replay (the cursor moves up), or -1.
    int redoIndex();

    std::optional<Play> playAt(int index) const;
    int sideAt(int index) const;
    int dieAt(int index, int which) const;

    // True when a turn below the cursor was played by a human side.
    bool canUndo() const;
    bool canRedo() const { return total_ > cursor_; }

    int cursor() const { return cursor_; }
    int total() const { return total_; }
    void setTotal(int total) { total_ = total; }
    bool isComputer(int side) const { return isComputer_[side == 0 ? 0 : 1]; }

private:
    void startOverWhenFull();
    static bool inRange(int index) { return index >= 0 && index < kCapacity; }

    int cursor_ = 0;
    int total_ = 0;
    std::array<Play, kCapacity> plays_{};
    std::array<std::array<int, 2>, kCapacity> dice_{};
    std::array<int, kCapacity> sides_{};
    std::array<bool, 2> isComputer_{};
};

// The same moves in the opposite order, each from and to exchanged, dice and
// hit flags kept: playing it takes the original back.
Play reversedPlay(const Play& play);

} // namespace vh
