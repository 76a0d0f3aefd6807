#include "rules/move_entry.h"

#include "rules/side.h"

#include <cstdlib>

namespace vh {
namespace {

// The highest point 0-5 holding side 0's checkers, or -1.
int highestHomePointOfSideOne(const BoardPosition& position) {
    for (int point = 5; point >= 0; --point) {
        if (position[point].heldBy(PLAYER_ONE)) {
            return point;
        }
    }
    return -1;
}

// The lowest point 18-23 holding side 1's checkers, or -1.
int lowestHomePointOfSideTwo(const BoardPosition& position) {
    for (int point = 18; point <= 23; ++point) {
        if (position[point].heldBy(PLAYER_TWO)) {
            return point;
        }
    }
    return -1;
}

bool sameStep(const CheckerMove& a, const CheckerMove& b) {
    return a.die == b.die && a.from == b.from && a.to == b.to;
}

CheckerMove step(int die, int from, int to) {
    return {static_cast<std::uint32_t>(die), static_cast<std::uint32_t>(from),
            static_cast<std::uint32_t>(to), 0};
}

} // namespace

bool moveUsesDie(const BoardPosition& position, int side, int from, int to, int die) {
    if (to < kPointCount && std::abs(from - to) == die) {
        return true;
    }
    if (side == PLAYER_TWO && from == BAR_TWO) {
        return die == to + 1;
    }
    if (side == PLAYER_ONE && from == BAR_ONE) {
        return from - die == to;
    }
    if (side == PLAYER_ONE && to == OFF_ONE) {
        return die == from + 1 || (from == highestHomePointOfSideOne(position) && die - 1 > from);
    }
    if (side == PLAYER_TWO && to == OFF_TWO) {
        return 24 - die == from || (from == lowestHomePointOfSideTwo(position) && 24 - die < from);
    }
    return false;
}

MoveEntry::MoveEntry(PlayList& plays, const BoardPosition& position, int side, int die1, int die2,
                     const DiceUsed& used)
    : plays_(plays), position_(position), side_(side == 0 ? 0 : 1), die1_(die1), die2_(die2),
      used_(used) {
    BoardPosition working = position_;
    DiceUsed workingUsed = used_;
    generatePlays(plays, working, side_, die1_, die2_, workingUsed);
}

DropResult MoveEntry::drop(int from, int to) const {
    const bool movable = (from >= 0 && from < kPointCount) || from == barEntry(side_);
    if (!movable || to < 0 || to >= kEntryCount || !position_[from].heldBy(side_)) {
        return {};
    }
    if (DropResult single = withOneDie(from, to); single.accepted()) {
        return single;
    }
    return die1_ != die2_ ? withBothDice(from, to) : walkingADouble(from, to);
}

std::array<bool, kEntryCount> MoveEntry::targets(int from) const {
    std::array<bool, kEntryCount> marked{};
    for (int to = 0; to < kEntryCount; ++to) {
        marked[static_cast<std::size_t>(to)] = drop(from, to).accepted();
    }
    return marked;
}

DropResult MoveEntry::withOneDie(int from, int to) const {
    for (int slot = 0; slot < 4; ++slot) {
        if (used_[static_cast<std::size_t>(slot)] != 0) {
            continue;
        }
        Play moves;
        moves.count = 1;
        moves.moves[0] = step(dieOfSlot(die1_, die2_, slot), from, to);
        DiceUsed slots{};
        slots[static_cast<std::size_t>(slot)] = 1;
        if (DropResult result = beginningOfPlay(moves, slots); result.accepted()) {
            return result;
        }
    }
    return {};
}

DropResult MoveEntry::withBothDice(int from, int to) const {
    if (used_[0] != 0 || used_[1] != 0) {
        return {};
    }
    const int start = startOf(from);
    if (landingOf(stepFrom(start, die1_ + die2_)) != to) {
        return {};
    }
    struct Route {
        int firstDie;
        int secondDie;
    };
    const Route firstDieFirst{die1_, die2_};
    const Route secondDieFirst{die2_, die1_};
    // A single opposing checker on the way is hit, the first die's first;
    // else the first die goes first where it can.
    Route routes[4];
    int routeCount = 0;
    for (const Route& route : {firstDieFirst, secondDieFirst}) {
        if (holdsBlot(stepFrom(start, route.firstDie))) {
            routes[routeCount++] = route;
        }
    }
    routes[routeCount++] = firstDieFirst;
    routes[routeCount++] = secondDieFirst;
    const DiceUsed bothSlots{1, 1, 0, 0};
    for (int index = 0; index < routeCount; ++index) {
        const Route& route = routes[index];
        const int via = stepFrom(start, route.firstDie);
        Play moves;
        moves.count = 2;
        moves.moves[0] = step(route.firstDie, from, via);
        moves.moves[1] = step(route.secondDie, via, to);
        if (DropResult result = beginningOfPlay(moves, bothSlots); result.accepted()) {
            return result;
        }
    }
    return {};
}

DropResult MoveEntry::walkingADouble(int from, int to) const {
    int freeSlots = 0;
    for (const auto mark : used_) {
        freeSlots += mark == 0 ? 1 : 0;
    }
    Play moves;
    DiceUsed slots{};
    int point = startOf(from);
    int entry = from;
    for (int steps = 1; steps <= freeSlots; ++steps) {
        const int next = stepFrom(point, die1_);
        const int landing = landingOf(next);
        if (landing < 0) {
            return {};
        }
        moves.moves[static_cast<std::size_t>(moves.count++)] = step(die1_, entry, landing);
        for (std::size_t slot = 0; slot < slots.size(); ++slot) {
            if (used_[slot] == 0 && slots[slot] == 0) {
                slots[slot] = 1;
                break;
            }
        }
        if (landing == to) {
            return steps >= 2 ? beginningOfPlay(moves, slots) : DropResult{};
        }
        if (landing >= kPointCount) {
            return {};
        }
        point = next;
        entry = next;
    }
    return {};
}

DropResult MoveEntry::beginningOfPlay(const Play& moves, const DiceUsed& slots) const {
    for (const Play& play : plays_) {
        if (play.count < moves.count) {
            continue;
        }
        bool begins = true;
        for (int index = 0; index < moves.count && begins; ++index) {
            begins = sameStep(play.moves[static_cast<std::size_t>(index)],
                              moves.moves[static_cast<std::size_t>(index)]);
        }
        if (begins) {
            DropResult result;
            result.moves.count = moves.count;
            for (int index = 0; index < moves.count; ++index) {
                // The generator's moves carry the hit flags.
                result.moves.moves[static_cast<std::size_t>(index)] =
                    play.moves[static_cast<std::size_t>(index)];
            }
            result.slots = slots;
            return result;
        }
    }
    return {};
}

int MoveEntry::startOf(int entry) const {
    if (entry == barEntry(side_)) {
        return side_ == PLAYER_ONE ? kPointCount : -1;
    }
    return entry;
}

int MoveEntry::stepFrom(int point, int steps) const {
    return side_ == PLAYER_ONE ? point - steps : point + steps;
}

int MoveEntry::landingOf(int point) const {
    if (point >= 0 && point < kPointCount) {
        return point;
    }
    const int justOff = side_ == PLAYER_ONE ? -1 : kPointCount;
    return point == justOff ? offEntry(side_) : -1;
}

bool MoveEntry::holdsBlot(int point) const {
    return point >= 0 && point < kPointCount && position_[point].count == 1 &&
           position_[point].owner != side_;
}

} // namespace vh
