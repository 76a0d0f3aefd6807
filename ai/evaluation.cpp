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
    const std::uint32_t made = summary.made[sideIndex(side)];
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

Evaluation evaluate(const BoardSummary& summary, int judged, std::int32_t evalParamB) {
    const int side = sideOf(judged);
    const int other = otherSide(side);
    Evaluation evaluation;
    evaluation.race = summary.pips[sideIndex(other)] - summary.pips[sideIndex(side)];
    if (!contactOver(summary)) {
        evaluation.safety = saturated(std::int64_t{scaled(rawSafety(summary, side), evalParamB)} -
                                      scaled(rawSafety(summary, other), evalParamB));
    }
    evaluation.bearOff = 2 * summary.bornOff[sideIndex(side)];
    return evaluation;
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
