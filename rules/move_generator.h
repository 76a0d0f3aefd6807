#pragma once

#include "rules/board_position.h"
#include "rules/play_list.h"

#include <array>
#include <cstdint>

namespace vh {

// One flag per die slot, 0 = still available. Slot 0 stands for die 1,
// slots 1-3 for die 2 (a double fills all four with the same value).
using DiceUsed = std::array<std::uint8_t, 4>;

// Fills `list` with every legal play of the roll, in the order the computer
// and the human move entry rely on:
//  - a non-double is enumerated with die1 first, then with die2 first (flags 0
//    and 1 swapped), first for plays of two dice, and only when there are none
//    for plays of one die: then every move of the larger die, or, when the
//    larger cannot be played, every move of the smaller (with one die already
//    used, the moves of the die left, once for each order);
//  - a double is enumerated twice for 4, then 3, 2, 1 dice, stopping at the
//    first count that has plays, so every double play is listed twice;
//  - within one enumeration, depth first by the from-point of each move.
// Duplicate results are not removed. The working position is changed while
// the generator runs and is back as it was (counts and owners of occupied
// entries) on return; `used` is back in its original order. No more than
// PlayList::kMaxStoredPlays plays are stored; at that limit an empty file
// "Too many turns.txt" is created in the working directory. Never allocates.
void generatePlays(PlayList& list, BoardPosition& position, int side, int die1, int die2,
                   DiceUsed& used);

// Convenience for callers that have nothing used yet.
void generatePlays(PlayList& list, BoardPosition& position, int side, int die1, int die2);

} // namespace vh
