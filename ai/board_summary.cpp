#include "ai/board_summary.h"

#include "rules/side.h"

#include <array>

namespace vh {
namespace {

// Pips from an entry to the side's tray: 24 from its bar, 0 once borne off.
constexpr std::int32_t distanceHome(int side, std::uint32_t entry) {
    if (entry < kPointCount) {
        return side == PLAYER_ONE ? static_cast<std::int32_t>(entry) + 1
                                  : kPointCount - static_cast<std::int32_t>(entry);
    }
    return entry == BAR_ONE || entry == BAR_TWO ? kPointCount : 0;
}

} // namespace

BoardSummary summarize(const BoardPosition& position) {
    BoardSummary summary;
    for (int point = 0; point < kPointCount; ++point) {
        const BoardEntry& entry = position[point];
        const std::uint32_t count = static_cast<std::uint32_t>(entry.count);
        const bool one = entry.owner == PLAYER_ONE && entry.count >= 1;
        const bool two = entry.owner == PLAYER_TWO && entry.count >= 1;
        const std::uint32_t bit = 1u << point;
        const std::uint32_t blot = count == 1 ? bit : 0u;
        const std::uint32_t made = count >= 2 ? bit : 0u;
        summary.held[0] |= one ? bit : 0u;
        summary.held[1] |= two ? bit : 0u;
        summary.blots[0] |= one ? blot : 0u;
        summary.blots[1] |= two ? blot : 0u;
        summary.made[0] |= one ? made : 0u;
        summary.made[1] |= two ? made : 0u;
        summary.pips[0] += one ? entry.count * (point + 1) : 0;
        summary.pips[1] += two ? entry.count * (kPointCount - point) : 0;
    }
    for (const int side : {PLAYER_ONE, PLAYER_TWO}) {
        const int onBar = position[barEntry(side)].count;
        summary.onBar[sideIndex(side)] = onBar;
        if (onBar > 0) {
            summary.pips[sideIndex(side)] += onBar * kPointCount;
        }
        summary.bornOff[sideIndex(side)] = position[offEntry(side)].count;
    }
    return summary;
}

namespace {

// The counts of the points a play touches, as they become move by move; the
// position itself is left alone.
class TouchedPoints {
public:
    explicit TouchedPoints(const BoardPosition& position) : position_(position) {}

    std::int32_t& count(std::uint32_t point) {
        for (std::size_t index = 0; index < size_; ++index) {
            if (points_[index] == point) {
                return counts_[index];
            }
        }
        points_[size_] = point;
        counts_[size_] = position_[static_cast<int>(point)].count;
        return counts_[size_++];
    }

private:
    const BoardPosition& position_;
    std::array<std::uint32_t, 2 * kMaxMovesPerPlay> points_{};
    std::array<std::int32_t, 2 * kMaxMovesPerPlay> counts_{};
    std::size_t size_ = 0;
};

template <int Moving>
BoardSummary summaryAfter(const BoardSummary& before, const BoardPosition& position,
                          const Play& play) {
    constexpr int hitSide = 1 - Moving;
    // Masks in locals, so that they can live in registers.
    std::uint32_t held = before.held[Moving];
    std::uint32_t made = before.made[Moving];
    std::uint32_t blots = before.blots[Moving];
    std::uint32_t heldByOther = before.held[hitSide];
    std::uint32_t blotsOfOther = before.blots[hitSide];
    std::int32_t pips = before.pips[Moving];
    std::int32_t pipsOfOther = before.pips[hitSide];
    std::int32_t onBar = before.onBar[Moving];
    std::int32_t onBarOfOther = before.onBar[hitSide];
    std::int32_t bornOff = before.bornOff[Moving];
    TouchedPoints touched(position);
    for (std::int32_t index = 0; index < play.count; ++index) {
        const CheckerMove& move = play.moves[static_cast<std::size_t>(index)];
        pips += distanceHome(Moving, move.to) - distanceHome(Moving, move.from);
        if (move.from < kPointCount) {
            // What the mover leaves behind: nothing, a blot, or still a made point.
            const std::uint32_t bit = 1u << move.from;
            const std::int32_t left = --touched.count(move.from);
            if (left == 0) {
                held &= ~bit;
                blots &= ~bit;
            } else if (left == 1) {
                made &= ~bit;
                blots |= bit;
            }
        } else {
            --onBar;
        }
        if (move.to < kPointCount) {
            const std::uint32_t bit = 1u << move.to;
            std::int32_t& count = touched.count(move.to);
            if (move.hit == 1) {
                count = 0;
                heldByOther &= ~bit;
                blotsOfOther &= ~bit;
                pipsOfOther += kPointCount - distanceHome(hitSide, move.to);
                ++onBarOfOther;
            }
            held |= bit;
            const std::int32_t now = ++count;
            if (now == 1) {
                blots |= bit;
            } else if (now == 2) {
                blots &= ~bit;
                made |= bit;
            }
        } else {
            ++bornOff;
        }
    }
    BoardSummary after = before;
    after.held[Moving] = held;
    after.made[Moving] = made;
    after.blots[Moving] = blots;
    after.held[hitSide] = heldByOther;
    after.blots[hitSide] = blotsOfOther;
    after.pips[Moving] = pips;
    after.pips[hitSide] = pipsOfOther;
    after.onBar[Moving] = onBar;
    after.onBar[hitSide] = onBarOfOther;
    after.bornOff[Moving] = bornOff;
    return after;
}

} // namespace

BoardSummary summaryAfterPlay(const BoardSummary& before, const BoardPosition& position,
                              const Play& play, int mover) {
    return sideOf(mover) == PLAYER_ONE ? summaryAfter<PLAYER_ONE>(before, position, play)
                                       : summaryAfter<PLAYER_TWO>(before, position, play);
}
} // namespace vh
