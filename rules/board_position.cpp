#include "rules/board_position.h"

#include "rules/side.h"

namespace vh {

void clearPosition(BoardPosition& position) {
    for (BoardEntry& entry : position.entries) {
        entry.count = 0;
        entry.owner = kNoOwner;
    }
}

void setStartPosition(BoardPosition& position) {
    clearPosition(position);
    struct Placement {
        int point;
        int side;
        int count;
    };
    constexpr Placement kStart[] = {
        {0, PLAYER_TWO, 2},  {5, PLAYER_ONE, 5},  {7, PLAYER_ONE, 3},  {11, PLAYER_TWO, 5},
        {12, PLAYER_ONE, 5}, {16, PLAYER_TWO, 3}, {18, PLAYER_TWO, 5}, {23, PLAYER_ONE, 2},
    };
    for (const Placement& placement : kStart) {
        position[placement.point] = {placement.count, placement.side};
    }
    position[BAR_ONE] = {0, PLAYER_ONE};
    position[BAR_TWO] = {0, PLAYER_TWO};
    position[OFF_ONE] = {0, PLAYER_ONE};
    position[OFF_TWO] = {0, PLAYER_TWO};
}

void applyPlay(const Play& play, BoardPosition& position) {
    for (std::int32_t i = 0; i < play.count; ++i) {
        applyMove(play.moves[static_cast<std::size_t>(i)], position);
    }
}

void takeBackPlay(const Play& play, BoardPosition& position) {
    for (std::int32_t i = play.count - 1; i >= 0; --i) {
        takeBackMove(play.moves[static_cast<std::size_t>(i)], position);
    }
}

unsigned pipCount(const BoardPosition& position, int side) {
    unsigned pips = 0;
    for (int point = 0; point < kPointCount; ++point) {
        const BoardEntry& entry = position[point];
        if (entry.owner == side && entry.count > 0) {
            const int distance = side == PLAYER_ONE ? point + 1 : kPointCount - point;
            pips += static_cast<unsigned>(entry.count * distance);
        }
    }
    const int onBar = position[barEntry(side)].count;
    if (onBar > 0) {
        pips += static_cast<unsigned>(onBar * (kPointCount + 1));
    }
    return pips;
}

bool allAtHome(const BoardPosition& position, int side) {
    const int first = side == PLAYER_ONE ? 6 : 0;
    const int last = side == PLAYER_ONE ? 23 : 17;
    for (int point = first; point <= last; ++point) {
        if (position[point].heldBy(side)) {
            return false;
        }
    }
    return true;
}

bool allAtHomeIncludingBar(const BoardPosition& position, int side) {
    return allAtHome(position, side) && position[barEntry(side)].count < 1;
}

bool hasWon(const BoardPosition& position, int side) {
    return position[offEntry(side)].count == kCheckersPerSide;
}

BoardPosition positionFromSignedCounts(const std::array<int, kEntryCount>& counts) {
    BoardPosition position;
    for (int point = 0; point < kPointCount; ++point) {
        const int number = counts[static_cast<std::size_t>(point)];
        position[point].count = number < 0 ? -number : number;
        position[point].owner = number > 0 ? PLAYER_ONE : number < 0 ? PLAYER_TWO : kNoOwner;
    }
    position[BAR_ONE] = {counts[BAR_ONE], PLAYER_ONE};
    position[BAR_TWO] = {counts[BAR_TWO], PLAYER_TWO};
    position[OFF_ONE] = {counts[OFF_ONE], PLAYER_ONE};
    position[OFF_TWO] = {counts[OFF_TWO], PLAYER_TWO};
    return position;
}

std::array<int, kEntryCount> signedCounts(const BoardPosition& position) {
    std::array<int, kEntryCount> counts{};
    for (int index = 0; index < kEntryCount; ++index) {
        const BoardEntry& entry = position[index];
        const bool negative = index < kPointCount && entry.owner == PLAYER_TWO;
        counts[static_cast<std::size_t>(index)] = negative ? -entry.count : entry.count;
    }
    return counts;
}

bool samePlacement(const BoardPosition& a, const BoardPosition& b) {
    for (int index = 0; index < kEntryCount; ++index) {
        if (a[index].count != b[index].count) {
            return false;
        }
        if (a[index].count >= 1 && a[index].owner != b[index].owner) {
            return false;
        }
    }
    return true;
}

int checkerTotal(const BoardPosition& position, int side) {
    int total = position[barEntry(side)].count + position[offEntry(side)].count;
    for (int point = 0; point < kPointCount; ++point) {
        if (position[point].heldBy(side)) {
            total += position[point].count;
        }
    }
    return total;
}

} // namespace vh
