#include "rules/move_generator.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace vh {
namespace {

// What one enumeration pass works on. The play being built is always the
// scratch slot list.plays[list.count].
struct Enumeration {
    PlayList& list;
    BoardPosition& position;
    const DiceUsed& used;
    int firstDie;
    int secondDie;
    int target;
};

void markTooManyTurns() {
    if (std::FILE* file = std::fopen("Too many turns.txt", "w")) {
        std::fclose(file);
    }
}

// Appends the play being built with `moveCount` moves; the next scratch slot
// starts as a copy, so enumeration continues from the same prefix.
void record(PlayList& list, int moveCount) {
    Play& built = list.plays[static_cast<std::size_t>(list.count)];
    built.count = moveCount;
    std::memcpy(&list.plays[static_cast<std::size_t>(list.count) + 1], &built, sizeof(Play));
    ++list.count;
}

// The depth-th available die slot, or -1 when fewer are left.
int availableSlot(const DiceUsed& used, int depth) {
    for (int slot = 0; slot < 4; ++slot) {
        if (used[static_cast<std::size_t>(slot)] == 0) {
            if (depth == 0) {
                return slot;
            }
            --depth;
        }
    }
    return -1;
}

template <int Side>
bool allHome(const BoardPosition& position) {
    constexpr int first = Side == 0 ? 6 : 0;
    constexpr int last = Side == 0 ? 23 : 17;
    for (int point = first; point <= last; ++point) {
        if (position[point].owner == Side && position[point].count >= 1) {
            return false;
        }
    }
    return true;
}

// Bearing off from `point` with die `die`: everything must be home, and the
// die must fit exactly or the checker must be the farthest one from the tray.
template <int Side>
bool mayBearOff(const BoardPosition& position, int point, int die) {
    if (!allHome<Side>(position)) {
        return false;
    }
    if constexpr (Side == 0) {
        if (point == die - 1) {
            return true;
        }
        if (die - 1 < point) {
            return false;
        }
        for (int higher = point + 1; higher <= 5; ++higher) {
            if (position[higher].owner == Side && position[higher].count >= 1) {
                return false;
            }
        }
        return true;
    } else {
        if (point == 24 - die) {
            return true;
        }
        if (24 - die > point) {
            return false;
        }
        for (int lower = 18; lower < point; ++lower) {
            if (position[lower].owner == Side && position[lower].count >= 1) {
                return false;
            }
        }
        return true;
    }
}

template <int Side>
void enumerate(Enumeration& run, int depth);

// Writes the move into the play being built, plays it on the working
// position, goes one level deeper and takes it back.
template <int Side>
void tryMove(Enumeration& run, int depth, int die, int from, int to, bool hit) {
    const CheckerMove move{static_cast<std::uint32_t>(die), static_cast<std::uint32_t>(from),
                           static_cast<std::uint32_t>(to), static_cast<std::uint8_t>(hit ? 1 : 0)};
    Play& built = run.list.plays[static_cast<std::size_t>(run.list.count)];
    built.moves[static_cast<std::size_t>(depth)] = move;
    built.count = depth + 1;
    applyMove(move, run.position);
    enumerate<Side>(run, depth + 1);
    takeBackMove(move, run.position);
}

template <int Side>
void enumerate(Enumeration& run, int depth) {
    constexpr int other = 1 - Side;
    constexpr int bar = Side == 0 ? BAR_ONE : BAR_TWO;
    constexpr int tray = Side == 0 ? OFF_ONE : OFF_TWO;

    PlayList& list = run.list;
    if (list.count >= PlayList::kMaxStoredPlays) {
        markTooManyTurns();
        return;
    }
    if (depth == run.target) {
        record(list, depth);
        return;
    }
    const int slot = availableSlot(run.used, depth);
    if (slot < 0) {
        record(list, depth);
        return;
    }
    const int die = slot == 0 ? run.firstDie : run.secondDie;
    BoardPosition& position = run.position;

    if (position[bar].count >= 1) {
        const int entry = Side == 0 ? 24 - die : die - 1;
        const BoardEntry& target = position[entry];
        if (target.owner == other && target.count >= 2) {
            return;
        }
        tryMove<Side>(run, depth, die, bar, entry, target.owner != Side && target.count >= 1);
        return;
    }

    for (int point = 0; point < kPointCount; ++point) {
        const BoardEntry& from = position[point];
        if (from.owner != Side || from.count < 1) {
            continue;
        }
        const int to = Side == 0 ? point - die : point + die;
        if (to < 0 || to >= kPointCount) {
            if (mayBearOff<Side>(position, point, die)) {
                tryMove<Side>(run, depth, die, point, tray, false);
            }
            continue;
        }
        const BoardEntry& target = position[to];
        if (target.owner == other && target.count >= 2) {
            continue;
        }
        tryMove<Side>(run, depth, die, point, to, target.owner != Side && target.count >= 1);
    }
}

template <int Side>
void generateForSide(PlayList& list, BoardPosition& position, int die1, int die2, DiceUsed& used) {
    // Both orders of the dice for plays of `target` moves.
    const auto enumerateBothOrders = [&](int target) {
        Enumeration firstOrder{list, position, used, die1, die2, target};
        enumerate<Side>(firstOrder, 0);
        std::swap(used[0], used[1]);
        Enumeration secondOrder{list, position, used, die2, die1, target};
        enumerate<Side>(secondOrder, 0);
        std::swap(used[0], used[1]);
    };

    if (die1 != die2) {
        enumerateBothOrders(2);
        if (list.count == 0) {
            enumerateBothOrders(1);
        }
        return;
    }
    for (int target = 4; target >= 1 && list.count == 0; --target) {
        enumerateBothOrders(target);
    }
}

} // namespace

void generatePlays(PlayList& list, BoardPosition& position, int side, int die1, int die2,
                   DiceUsed& used) {
    list.count = 0;
    if (side == 0) {
        generateForSide<0>(list, position, die1, die2, used);
    } else {
        generateForSide<1>(list, position, die1, die2, used);
    }
}

void generatePlays(PlayList& list, BoardPosition& position, int side, int die1, int die2) {
    DiceUsed used{};
    generatePlays(list, position, side, die1, die2, used);
}

} // namespace vh
