#include "ai/evaluation.h"

#include "ai/board_summary.h"
#include "rules/side.h"

#include <array>
#include <bit>
#include <limits>

namespace vh {
namespace {

constexpr int kFarthestHit = 12;
constexpr std::int64_t kSafetyBase = 1000;

// The chance of being hit from n pips away, by n. The hand-tuned table stops
// at 11; for 12 we take what the rest of the table is made of, the share of
// the 36 rolls that hit from that distance (6-6, 4-4 and 3-3: 3/36), rounded
// to two places like the others: 0.08.
constexpr std::array<float, kFarthestHit + 1> kHitWeight = {
    0.0f, 0.31f, 0.33f, 0.39f, 0.42f, 0.42f, 0.47f, 0.17f, 0.17f, 0.14f, 0.08f, 0.06f, 0.08f};

// How hard it is to come in from the bar, by the number of home board points
// the opponent has made.
constexpr std::array<float, 7> kEntryFactor = {0.0f, 0.21f, 0.77f, 1.75f, 3.08f, 4.83f, 7.0f};

constexpr int kMaxPipsLost = 24;

// What one attacking point costs a blot, truncated toward zero, by made home
// points of the attacker, pips the blot would lose, and distance. The
// single-precision weights are multiplied in double precision; a cost read
// here is exactly the cost worked out on the spot.
using CostTable =
    std::array<std::array<std::array<std::int32_t, kFarthestHit + 1>, kMaxPipsLost + 1>, 7>;

constexpr CostTable makeCostTable() {
    CostTable table{};
    for (std::size_t homePoints = 0; homePoints < kEntryFactor.size(); ++homePoints) {
        const double entry = kEntryFactor[homePoints];
        for (int pipsLost = 0; pipsLost <= kMaxPipsLost; ++pipsLost) {
            for (std::size_t distance = 1; distance <= kFarthestHit; ++distance) {
                const double weight = kHitWeight[distance];
                table[homePoints][static_cast<std::size_t>(pipsLost)][distance] =
                    static_cast<std::int32_t>(weight * pipsLost + weight * entry);
            }
        }
    }
    return table;
}

constexpr CostTable kHitCost = makeCostTable();

// Made points among six, without relying on a population count instruction.
constexpr std::array<std::uint8_t, 64> makeSixBitCounts() {
    std::array<std::uint8_t, 64> counts{};
    for (std::size_t bits = 0; bits < counts.size(); ++bits) {
        counts[bits] = static_cast<std::uint8_t>(std::popcount(bits));
    }
    return counts;
}
constexpr std::array<std::uint8_t, 64> kSixBitCounts = makeSixBitCounts();

constexpr int kHomeOfSideTwoShift = 18; // side 1's home board is points 18-23

constexpr int sideOf(int side) {
    return side == PLAYER_ONE ? PLAYER_ONE : PLAYER_TWO;
}

constexpr std::size_t at(int side) {
    return static_cast<std::size_t>(side);
}

// Pips from an entry to the side's tray: 24 from its bar, 0 once borne off.
constexpr std::int32_t distanceHome(int side, std::uint32_t entry) {
    if (entry < kPointCount) {
        return side == PLAYER_ONE ? static_cast<std::int32_t>(entry) + 1
                                  : kPointCount - static_cast<std::int32_t>(entry);
    }
    return entry == BAR_ONE || entry == BAR_TWO ? kPointCount : 0;
}

// Extreme play parameters must not overflow: results beyond 32 bits stick at
// the nearest limit, symmetric around 0 so that every value can be negated.
std::int32_t saturated(std::int64_t value) {
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < -highest  ? -highest
                                     : value > highest ? highest
                                                       : value);
}

std::int32_t scaled(std::int64_t score, std::int32_t evalParamB) {
    return saturated(score + (score * evalParamB) / 5);
}

bool contactOver(const BoardSummary& summary) {
    if (summary.onBar[0] != 0 || summary.onBar[1] != 0) {
        return false;
    }
    const std::uint32_t one = summary.held[PLAYER_ONE];
    const std::uint32_t two = summary.held[PLAYER_TWO];
    const int highestOfOne = one == 0 ? 0 : 31 - std::countl_zero(one);
    const int lowestOfTwo = two == 0 ? 0 : std::countr_zero(two);
    return lowestOfTwo >= highestOfOne;
}

int homePointsHeld(const BoardSummary& summary, int side) {
    const std::uint32_t made = summary.made[at(side)];
    const std::uint32_t home = side == PLAYER_ONE ? made & 0x3Fu : made >> kHomeOfSideTwoShift;
    return kSixBitCounts[home & 0x3Fu];
}

// The safety score of `Side` before scaling, while there is contact.
template <int Side>
std::int64_t rawSafety(const BoardSummary& summary) {
    constexpr int other = 1 - Side;
    const auto& costs = kHitCost[static_cast<std::size_t>(homePointsHeld(summary, other))];
    const std::uint32_t attackers = summary.held[other];
    const bool attackerOnBar = summary.onBar[other] >= 1;
    std::int64_t score = kSafetyBase;
    for (std::uint32_t blots = summary.blots[Side]; blots != 0; blots &= blots - 1) {
        const int point = std::countr_zero(blots);
        if constexpr (Side == PLAYER_ONE) {
            // Attackers come from the lower points; the blot would lose 24 - point pips.
            const auto& cost = costs[static_cast<std::size_t>(kPointCount - point)];
            const int lowest = point > kFarthestHit ? point - kFarthestHit : 0;
            const std::uint32_t window = ((1u << point) - 1u) & ~((1u << lowest) - 1u);
            for (std::uint32_t found = attackers & window; found != 0; found &= found - 1) {
                score -= cost[static_cast<std::size_t>(point - std::countr_zero(found))];
            }
            // A checker on the bar enters on point d - 1.
            if (attackerOnBar && point < kFarthestHit) {
                score -= cost[static_cast<std::size_t>(point + 1)];
            }
        } else {
            // Attackers come from the higher points; the blot would lose `point` pips.
            const auto& cost = costs[static_cast<std::size_t>(point)];
            const int highest = point + kFarthestHit < kPointCount ? point + kFarthestHit : 23;
            const std::uint32_t window = ((2u << highest) - 1u) & ~((2u << point) - 1u);
            for (std::uint32_t found = attackers & window; found != 0; found &= found - 1) {
                score -= cost[static_cast<std::size_t>(std::countr_zero(found) - point)];
            }
            // A checker on the bar enters on point 24 - d.
            if (attackerOnBar && point >= kPointCount - kFarthestHit) {
                score -= cost[static_cast<std::size_t>(kPointCount - point)];
            }
        }
    }
    return score;
}

std::int64_t rawSafety(const BoardSummary& summary, int side) {
    return side == PLAYER_ONE ? rawSafety<PLAYER_ONE>(summary) : rawSafety<PLAYER_TWO>(summary);
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
        summary.onBar[at(side)] = onBar;
        if (onBar > 0) {
            summary.pips[at(side)] += onBar * kPointCount;
        }
        summary.bornOff[at(side)] = position[offEntry(side)].count;
    }
    return summary;
}

Evaluation evaluate(const BoardSummary& summary, int judged, std::int32_t evalParamB) {
    const int side = sideOf(judged);
    const int other = otherSide(side);
    Evaluation evaluation;
    evaluation.race = summary.pips[at(other)] - summary.pips[at(side)];
    if (!contactOver(summary)) {
        evaluation.safety = saturated(std::int64_t{scaled(rawSafety(summary, side), evalParamB)} -
                                      scaled(rawSafety(summary, other), evalParamB));
    }
    evaluation.bearOff = 2 * summary.bornOff[at(side)];
    return evaluation;
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

Evaluation evaluateAfterPlay(const BoardSummary& before, const BoardPosition& position,
                             const Play& play, int mover, int side, std::int32_t evalParamB) {
    return evaluate(summaryAfterPlay(before, position, play, mover), side, evalParamB);
}

Evaluation evaluate(const BoardPosition& position, int side, std::int32_t evalParamB) {
    return evaluate(summarize(position), side, evalParamB);
}

std::int32_t safetyScore(const BoardPosition& position, int side, std::int32_t evalParamB) {
    const BoardSummary summary = summarize(position);
    if (contactOver(summary)) {
        return 0;
    }
    return scaled(rawSafety(summary, sideOf(side)), evalParamB);
}

bool contactOver(const BoardPosition& position) {
    return contactOver(summarize(position));
}

int homePointsHeld(const BoardPosition& position, int side) {
    return homePointsHeld(summarize(position), sideOf(side));
}

} // namespace vh
