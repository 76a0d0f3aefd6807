#include "neural/contact_features.h"

#include "neural/network_play.h"
#include "rules/side.h"

#include <algorithm>
#include <array>

namespace vh {
namespace {

// The board as `side` counts it: index 0 is the point next to its borne-off
// tray, 23 the farthest; the side moves down, its opponent up.
struct SideBoard {
    std::array<int, kPointCount> own{};
    std::array<int, kPointCount> opponent{};
    int ownBar = 0;
    int opponentBar = 0;
};

SideBoard sideBoard(const BoardPosition& position, int side) {
    SideBoard board;
    for (int point = 0; point < kPointCount; ++point) {
        const BoardEntry& entry = position[point];
        if (entry.count <= 0) {
            continue;
        }
        const int index = side == PLAYER_ONE ? point : kPointCount - 1 - point;
        (entry.owner == side ? board.own : board.opponent)[static_cast<std::size_t>(index)] =
            entry.count;
    }
    board.ownBar = std::max(position[barEntry(side)].count, 0);
    board.opponentBar = std::max(position[barEntry(otherSide(side))].count, 0);
    return board;
}

bool made(const std::array<int, kPointCount>& counts, int index) {
    return index >= 0 && index < kPointCount && counts[static_cast<std::size_t>(index)] >= 2;
}

void mark(std::array<bool, kPointCount>& reached, int index) {
    if (index >= 0 && index < kPointCount) {
        reached[static_cast<std::size_t>(index)] = true;
    }
}

// Marks in `reached` every point a checker starting at `from` can land on by
// moving `steps` times `pips` in `direction` (+1 or -1), stopping at the
// first point `blocked` holds; positions off the board end the walk.
template <typename Blocked>
void walk(int from, int pips, int steps, int direction, const Blocked& blocked,
          std::array<bool, kPointCount>& reached) {
    int at = from;
    for (int step = 0; step < steps; ++step) {
        at += direction * pips;
        if (at < 0 || at >= kPointCount || blocked(at)) {
            return;
        }
        mark(reached, at);
    }
}

// Every point the opponent can land on with the roll, counted from the
// side's view; the opponent moves up from its bar at index -1.
std::array<bool, kPointCount> opponentLandings(const SideBoard& board, int die1, int die2) {
    std::array<bool, kPointCount> reached{};
    const auto blocked = [&board](int index) { return made(board.own, index); };
    const int bar = board.opponentBar;
    if (die1 == die2) {
        const int entering = std::min(bar, 4);
        if (entering > 0 && blocked(die1 - 1)) {
            return reached;
        }
        if (entering > 0) {
            mark(reached, die1 - 1);
        }
        const int left = 4 - entering;
        if (left == 0) {
            return reached;
        }
        if (entering > 0) {
            walk(die1 - 1, die1, left, +1, blocked, reached);
        }
        for (int index = 0; index < kPointCount; ++index) {
            if (board.opponent[static_cast<std::size_t>(index)] > 0) {
                walk(index, die1, left, +1, blocked, reached);
            }
        }
        return reached;
    }
    const auto bothDice = [&](int from) {
        for (const int first : {die1, die2}) {
            const int second = first == die1 ? die2 : die1;
            const int middle = from + first;
            if (middle < kPointCount && !blocked(middle)) {
                mark(reached, middle);
                const int end = middle + second;
                if (end < kPointCount && !blocked(end)) {
                    mark(reached, end);
                }
            }
        }
    };
    if (bar >= 2) {
        for (const int die : {die1, die2}) {
            if (!blocked(die - 1)) {
                mark(reached, die - 1);
            }
        }
        return reached;
    }
    if (bar == 1) {
        bothDice(-1);
        for (const int die : {die1, die2}) {
            const int other = die == die1 ? die2 : die1;
            if (blocked(die - 1)) {
                continue;
            }
            for (int index = 0; index < kPointCount; ++index) {
                if (board.opponent[static_cast<std::size_t>(index)] > 0) {
                    walk(index, other, 1, +1, blocked, reached);
                }
            }
        }
        return reached;
    }
    for (int index = 0; index < kPointCount; ++index) {
        if (board.opponent[static_cast<std::size_t>(index)] > 0) {
            bothDice(index);
        }
    }
    return reached;
}

float shotChance(const SideBoard& board) {
    int hitting = 0;
    for (const WeightedRoll& roll : distinctRolls()) {
        const std::array<bool, kPointCount> landings =
            opponentLandings(board, roll.die1, roll.die2);
        for (int index = 0; index < kPointCount; ++index) {
            if (board.own[static_cast<std::size_t>(index)] == 1 &&
                landings[static_cast<std::size_t>(index)]) {
                hitting += roll.weight;
                break;
            }
        }
    }
    return static_cast<float>(hitting) / 36.0f;
}

float escapeChance(const SideBoard& board) {
    int rearmost = board.ownBar > 0 ? kPointCount : -1;
    for (int index = kPointCount - 1; rearmost < 0 && index >= 0; --index) {
        if (board.own[static_cast<std::size_t>(index)] > 0) {
            rearmost = index;
        }
    }
    if (rearmost < 0) {
        return 0.0f;
    }
    // The farthest of the opponent's points within 12 pips in front: the
    // checker escapes by landing past it.
    int farthest = -1;
    for (int index = std::max(rearmost - 12, 0); index < rearmost; ++index) {
        if (made(board.opponent, index)) {
            farthest = index;
            break;
        }
    }
    if (farthest < 0) {
        return 1.0f;
    }
    const auto blocked = [&board](int index) { return made(board.opponent, index); };
    int escaping = 0;
    for (const WeightedRoll& roll : distinctRolls()) {
        std::array<bool, kPointCount> reached{};
        if (roll.die1 == roll.die2) {
            walk(rearmost, roll.die1, 4, -1, blocked, reached);
        } else {
            for (const int first : {roll.die1, roll.die2}) {
                const int second = first == roll.die1 ? roll.die2 : roll.die1;
                const int middle = rearmost - first;
                if (middle >= 0 && !blocked(middle)) {
                    mark(reached, middle);
                    walk(middle, second, 1, -1, blocked, reached);
                }
            }
        }
        if (std::any_of(reached.begin(), reached.begin() + farthest, [](bool at) { return at; })) {
            escaping += roll.weight;
        }
    }
    return static_cast<float>(escaping) / 36.0f;
}

float primeLength(const SideBoard& board) {
    int longest = 0;
    int run = 0;
    for (int index = 0; index < kPointCount; ++index) {
        run = made(board.own, index) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return static_cast<float>(longest) / 6.0f;
}

} // namespace

ContactFeatures contactFeatures(const BoardPosition& position, int side) {
    const SideBoard board = sideBoard(position, side);
    return {shotChance(board), escapeChance(board), primeLength(board)};
}

} // namespace vh
