#pragma once

#include "rules/board_position.h"
#include "rules/play_list.h"

#include <vector>

namespace vh::test {

// A move as the brute-force reference sees it.
struct ReferenceMove {
    int die;
    int from;
    int to;
    bool hit;
    auto operator<=>(const ReferenceMove&) const = default;
};
using MoveSequence = std::vector<ReferenceMove>;

// Every legal play of the roll, worked out by brute force on copies of the
// position and written independently of the generator: the rules of the game
// stated directly, every ordering of the dice tried. The multiset is what the
// generator must list: non-double plays once per order of the dice, double
// plays twice, only plays of the largest number of dice, and where a
// non-double lets only one die be played, the larger die's when it can.
std::vector<MoveSequence> referencePlays(const BoardPosition& position, int side, int die1,
                                         int die2);

MoveSequence toSequence(const Play& play);
std::vector<MoveSequence> toSequences(const PlayList& list);

// The position after the sequence, worked out on a copy.
BoardPosition positionAfter(const BoardPosition& position, int side, const MoveSequence& moves);

} // namespace vh::test
