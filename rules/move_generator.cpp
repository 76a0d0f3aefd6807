#include "rules/move_generator.h"

#include <bit>
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
    int target;
    // The die each move of the play uses, by depth; 0 where no slot is left.
    std::array<int, kMaxMovesPerPlay> dieAtDepth;
    // Bit p set: point p holds checkers of the side to move. Kept up to date
    // as moves are made and taken back, so a node visits only those points.
    std::uint32_t heldPoints;
    // Bit p set: the other side holds point p with two or more checkers. The
    // mover can only hit single checkers, so this stays fixed for the pass.
    std::uint32_t closedPoints;
};

std::uint32_t pointsHeldBy(const BoardPosition& position, int side, int minimumCount) {
    std::uint32_t points = 0;
    for (int point = 0; point < kPointCount; ++point) {
        if (position[point].owner == side && position[point].count >= minimumCount) {
            points |= 1u << point;
        }
    }
    return points;
}

// The die of the depth-th available slot: slot 0 carries the first die, slots
// 1-3 the second.
std::array<int, kMaxMovesPerPlay> diceByDepth(const DiceUsed& used, int firstDie, int secondDie) {
    std::array<int, kMaxMovesPerPlay> dice{};
    std::size_t depth = 0;
    for (std::size_t slot = 0; slot < used.size(); ++slot) {
        if (used[slot] == 0) {
            dice[depth++] = slot == 0 ? firstDie : secondDie;
        }
    }
    return dice;
}

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

bool holds(const BoardEntry& entry, int side) {
    return entry.owner == side && entry.count >= 1;
}

// What a node knows about bearing off; worked out on first use, since every
// move tried from the node sees the same position.
template <int Side>
class BearOffRule {
public:
    explicit BearOffRule(const BoardPosition& position) : position_(position) {}

    // Bearing off from `point` with `die`: everything must be home, and the
    // die must fit exactly or the checker must be the farthest from the tray.
    bool allows(int point, int die) {
        if (farthestPoint_ == kUnknown) {
            farthestPoint_ = findFarthestPoint();
        }
        if (farthestPoint_ == kNotAllHome) {
            return false;
        }
        const int distance = Side == 0 ? point + 1 : kPointCount - point;
        return distance == die || (distance < die && point == farthestPoint_);
    }

private:
    static constexpr int kUnknown = -2;
    static constexpr int kNotAllHome = -1;

    int findFarthestPoint() const {
        constexpr int outsideFirst = Side == 0 ? 6 : 0;
        constexpr int outsideLast = Side == 0 ? 23 : 17;
        for (int point = outsideFirst; point <= outsideLast; ++point) {
            if (holds(position_[point], Side)) {
                return kNotAllHome;
            }
        }
        if constexpr (Side == 0) {
            for (int point = 5; point >= 0; --point) {
                if (holds(position_[point], Side)) {
                    return point;
                }
            }
        } else {
            for (int point = 18; point <= 23; ++point) {
                if (holds(position_[point], Side)) {
                    return point;
                }
            }
        }
        return kNotAllHome;
    }

    const BoardPosition& position_;
    int farthestPoint_ = kUnknown;
};

template <int Side>
void enumerate(Enumeration& run, int depth);

// Writes the move into the play being built and goes one level deeper with
// it played on the working position. When that level would only record the
// play, the play is recorded here without moving the checker.
template <int Side>
void tryMove(Enumeration& run, int depth, int die, int from, int to, bool hit) {
    const CheckerMove move{static_cast<std::uint32_t>(die), static_cast<std::uint32_t>(from),
                           static_cast<std::uint32_t>(to), static_cast<std::uint8_t>(hit ? 1 : 0)};
    PlayList& list = run.list;
    Play& built = list.plays[static_cast<std::size_t>(list.count)];
    built.moves[static_cast<std::size_t>(depth)] = move;
    built.count = depth + 1;
    if (depth + 1 == run.target) {
        if (list.count >= PlayList::kMaxStoredPlays) {
            markTooManyTurns();
            return;
        }
        record(list, depth + 1);
        return;
    }
    const std::uint32_t heldBefore = run.heldPoints;
    applyMove(move, run.position);
    if (from < kPointCount && run.position[from].count == 0) {
        run.heldPoints &= ~(1u << from);
    }
    if (to < kPointCount) {
        run.heldPoints |= 1u << to;
    }
    enumerate<Side>(run, depth + 1);
    takeBackMove(move, run.position);
    run.heldPoints = heldBefore;
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
    const int die = run.dieAtDepth[static_cast<std::size_t>(depth)];
    if (die == 0) {
        record(list, depth);
        return;
    }
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

    BearOffRule<Side> bearOff(position);
    // Lowest point first: the order the list promises.
    for (std::uint32_t points = run.heldPoints; points != 0; points &= points - 1) {
        const int point = std::countr_zero(points);
        const int to = Side == 0 ? point - die : point + die;
        if (to < 0 || to >= kPointCount) {
            if (bearOff.allows(point, die)) {
                tryMove<Side>(run, depth, die, point, tray, false);
            }
            continue;
        }
        if ((run.closedPoints >> to) & 1u) {
            continue;
        }
        const BoardEntry& target = position[to];
        tryMove<Side>(run, depth, die, point, to, target.owner != Side && target.count >= 1);
    }
}

template <int Side>
void generateForSide(PlayList& list, BoardPosition& position, int die1, int die2, DiceUsed& used) {
    const std::uint32_t held = pointsHeldBy(position, Side, 1);
    const std::uint32_t closed = pointsHeldBy(position, 1 - Side, 2);
    const auto enumerateFirstOrder = [&](int target) {
        Enumeration firstOrder{list, position, target, diceByDepth(used, die1, die2), held, closed};
        enumerate<Side>(firstOrder, 0);
    };
    const auto enumerateSecondOrder = [&](int target) {
        std::swap(used[0], used[1]);
        Enumeration secondOrder{list, position, target, diceByDepth(used, die2, die1),
                                held, closed};
        enumerate<Side>(secondOrder, 0);
        std::swap(used[0], used[1]);
    };
    // Both orders of the dice for plays of `target` moves.
    const auto enumerateBothOrders = [&](int target) {
        enumerateFirstOrder(target);
        enumerateSecondOrder(target);
    };
    // Where only one die of a fresh roll can be played, it must be the
    // larger when the larger can be played at all.
    const auto enumerateLargerDieFirst = [&](int target) {
        if (die1 > die2) {
            enumerateFirstOrder(target);
            if (list.count == 0) {
                enumerateSecondOrder(target);
            }
        } else {
            enumerateSecondOrder(target);
            if (list.count == 0) {
                enumerateFirstOrder(target);
            }
        }
    };

    if (die1 != die2) {
        enumerateBothOrders(2);
        if (list.count == 0) {
            if (used[0] == 0 && used[1] == 0) {
                enumerateLargerDieFirst(1);
            } else {
                enumerateBothOrders(1);
            }
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
