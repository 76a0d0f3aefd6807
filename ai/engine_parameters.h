#pragma once

#include <cstdint>

namespace vh {

// Strength tiers: below kOnePlyStrength the computer plays a random legal
// play, below kTwoPlyStrength the best play by the static evaluation, from
// there on it looks at every reply.
inline constexpr std::int32_t kOnePlyStrength = 1250;
inline constexpr std::int32_t kTwoPlyStrength = 1750;

// What the engine needs to know about the computer it plays for.
struct EngineParameters {
    std::int32_t strength = 1001;
    // Caution in the doubling decisions: each unit asks 3 more pips of race
    // lead and 3 more evaluation points.
    std::int32_t evalParamA = 0;
    // Scales both sides' safety scores by (100 + 20 x evalParamB) percent.
    std::int32_t evalParamB = 0;
};

// The strength a computer opponent plays at, from its cash: 1001 up to 1000,
// 1251 above 1000, 1501 above 10000, 1751 above 100000, 2001 from 250000.
constexpr std::int32_t strengthForCash(std::int32_t cash) {
    if (cash >= 250000) {
        return 2001;
    }
    if (cash > 100000) {
        return 1751;
    }
    if (cash > 10000) {
        return 1501;
    }
    if (cash > 1000) {
        return 1251;
    }
    return 1001;
}

} // namespace vh
