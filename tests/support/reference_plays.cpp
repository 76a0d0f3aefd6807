#include "tests/support/reference_plays.h"

#include <algorithm>

namespace vh::test {
namespace {

// How far a checker of the side on `point` still has to go to leave the board.
int distanceHome(int side, int point) {
    return side == 0 ? point + 1 : 24 - point;
}

int checkersOn(const BoardPosition& position, int side, int point) {
    const BoardEntry& entry = position[point];
    return entry.count > 0 && entry.owner == side ? entry.count : 0;
}

bool blocked(const BoardPosition& position, int side, int point) {
    return checkersOn(position, 1 - side, point) >= 2;
}

bool everyCheckerHome(const BoardPosition& position, int side) {
    if (position[barEntry(side)].count > 0) {
        return false;
    }
    for (int point = 0; point < 24; ++point) {
        if (checkersOn(position, side, point) > 0 && distanceHome(side, point) > 6) {
            return false;
        }
    }
    return true;
}

int farthestDistance(const BoardPosition& position, int side) {
    int farthest = 0;
    for (int point = 0; point < 24; ++point) {
        if (checkersOn(position, side, point) > 0) {
            farthest = std::max(farthest, distanceHome(side, point));
        }
    }
    return farthest;
}

std::vector<ReferenceMove> singleMoves(const BoardPosition& position, int side, int die) {
    std::vector<ReferenceMove> moves;
    if (position[barEntry(side)].count > 0) {
        const int entry = side == 0 ? 24 - die : die - 1;
        if (!blocked(position, side, entry)) {
            moves.push_back(
                {die, barEntry(side), entry, checkersOn(position, 1 - side, entry) == 1});
        }
        return moves;
    }
    for (int point = 0; point < 24; ++point) {
        if (checkersOn(position, side, point) == 0) {
            continue;
        }
        const int distance = distanceHome(side, point);
        if (die >= distance) {
            const bool exact = die == distance;
            const bool overshootFromBack =
                die > distance && farthestDistance(position, side) == distance;
            if (everyCheckerHome(position, side) && (exact || overshootFromBack)) {
                moves.push_back({die, point, offEntry(side), false});
            }
            continue;
        }
        const int to = side == 0 ? point - die : point + die;
        if (!blocked(position, side, to)) {
            moves.push_back({die, point, to, checkersOn(position, 1 - side, to) == 1});
        }
    }
    return moves;
}

BoardPosition afterMove(BoardPosition position, int side, const ReferenceMove& move) {
    --position[move.from].count;
    if (move.hit) {
        position[move.to].count = 0;
        ++position[barEntry(1 - side)].count;
    }
    ++position[move.to].count;
    position[move.to].owner = side;
    return position;
}

// Appends to `out` every sequence that plays all of `dice` in the given order.
void playAll(const BoardPosition& position, int side, const std::vector<int>& dice,
             std::size_t next, MoveSequence& sequence, std::vector<MoveSequence>& out) {
    if (next == dice.size()) {
        out.push_back(sequence);
        return;
    }
    for (const ReferenceMove& move : singleMoves(position, side, dice[next])) {
        sequence.push_back(move);
        playAll(afterMove(position, side, move), side, dice, next + 1, sequence, out);
        sequence.pop_back();
    }
}

std::vector<MoveSequence> sequencesFor(const BoardPosition& position, int side,
                                       const std::vector<int>& dice) {
    std::vector<MoveSequence> out;
    MoveSequence sequence;
    playAll(position, side, dice, 0, sequence, out);
    return out;
}

void append(std::vector<MoveSequence>& to, const std::vector<MoveSequence>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace

std::vector<MoveSequence> referencePlays(const BoardPosition& position, int side, int die1,
                                         int die2) {
    std::vector<MoveSequence> plays;
    if (die1 != die2) {
        append(plays, sequencesFor(position, side, {die1, die2}));
        append(plays, sequencesFor(position, side, {die2, die1}));
        // Only one die can be played: the larger where it can.
        if (plays.empty()) {
            append(plays, sequencesFor(position, side, {std::max(die1, die2)}));
        }
        if (plays.empty()) {
            append(plays, sequencesFor(position, side, {std::min(die1, die2)}));
        }
        return plays;
    }
    for (int dice = 4; dice >= 1 && plays.empty(); --dice) {
        const std::vector<MoveSequence> once =
            sequencesFor(position, side, std::vector<int>(static_cast<std::size_t>(dice), die1));
        append(plays, once);
        append(plays, once);
    }
    return plays;
}

MoveSequence toSequence(const Play& play) {
    MoveSequence sequence;
    for (int i = 0; i < play.count; ++i) {
        const CheckerMove& move = play.moves[static_cast<std::size_t>(i)];
        sequence.push_back({static_cast<int>(move.die), static_cast<int>(move.from),
                            static_cast<int>(move.to), move.hit == 1});
    }
    return sequence;
}

std::vector<MoveSequence> toSequences(const PlayList& list) {
    std::vector<MoveSequence> sequences;
    for (const Play& play : list) {
        sequences.push_back(toSequence(play));
    }
    return sequences;
}

BoardPosition positionAfter(const BoardPosition& position, int side, const MoveSequence& moves) {
    BoardPosition result = position;
    for (const ReferenceMove& move : moves) {
        result = afterMove(result, side, move);
    }
    return result;
}

} // namespace vh::test
