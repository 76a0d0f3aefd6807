#pragma once

#include "rules/board_record.h"
#include "rules/move_generator.h"
#include "rules/play.h"
#include "rules/play_list.h"

#include <array>

namespace vh {

// The die value of die slot `slot`: slot 1 carries die 2, the others die 1.
constexpr int dieOfSlot(int die1, int die2, int slot) {
    return slot == 1 ? die2 : die1;
}
inline int dieOfSlot(const BoardRecord& board, int slot) {
    return dieOfSlot(board.die1, board.die2, slot);
}

// Whether a first move from `from` to `to` of `side` uses exactly `die`: the
// distance for a move between points, the entry point for a bar entry, and
// for a bear-off the exact distance or a larger die from the rearmost point.
bool moveUsesDie(const BoardPosition& position, int side, int from, int to, int die);

// What dropping a checker does: the moves it makes, in order, and the die
// slots they use. A refused drop makes no moves.
struct DropResult {
    Play moves;
    DiceUsed slots{}; // 1 for each die slot the moves use

    bool accepted() const { return moves.count > 0; }
};

// The rules of moving checkers by hand, for the turn as it stands: the
// position with every checker on its entry, the roll and the die slots used
// so far. The legal plays of what is left of the roll are listed once, into
// the caller's list; every drop is judged against them, so that a drop is
// accepted only when its moves begin a legal play. A checker dropped on `to`
// is moved
//  - with one die, when a legal play begins with that move (the free slots
//    tried in order 0-3, so a bear-off that either die allows takes die 1);
//  - with both dice of a non-double, both still free, to the point the sum
//    reaches (from the bar too) or off the board with the exact sum only; it
//    goes through an intermediate point holding a single opposing checker
//    and hits it (the first die's point first), else through the first
//    die's point, else the second's;
//  - with several dice of a double, walking in steps of the die, at most as
//    many as slots are free, to a point or off the board exactly; the first
//    free slots are used.
class MoveEntry {
public:
    MoveEntry(PlayList& plays, const BoardPosition& position, int side, int die1, int die2,
              const DiceUsed& used);

    // The drop of a checker of the side taken from `from` onto entry `to`
    // (-1: off every entry). Only a checker of the side on a point or its
    // bar can be moved.
    DropResult drop(int from, int to) const;
    // The entries a checker on `from` can be dropped on.
    std::array<bool, kEntryCount> targets(int from) const;

private:
    DropResult withOneDie(int from, int to) const;
    DropResult withBothDice(int from, int to) const;
    DropResult walkingADouble(int from, int to) const;
    // The result of the first `count` moves of a legal play that begins
    // with `moves` (die, from and to compared), or a refusal.
    DropResult beginningOfPlay(const Play& moves, const DiceUsed& slots) const;
    // Where a checker of the side stands when it is on `entry`, counted as a
    // point: its bar lies one step before its entry points.
    int startOf(int entry) const;
    // The point `steps` pips on from `point`; -1 or 24 is just off the board.
    int stepFrom(int point, int steps) const;
    // The entry a step ends on: a point, the side's tray for an exact
    // bear-off, or -1 beyond.
    int landingOf(int point) const;
    bool holdsBlot(int point) const;

    const PlayList& plays_;
    BoardPosition position_;
    int side_;
    int die1_;
    int die2_;
    DiceUsed used_;
};

} // namespace vh
