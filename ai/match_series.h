#pragma once

#include "ai/engine_seat.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vh {

// Matches between engines A and B in duplicate: every dice sequence is
// played twice, A on side 0 and then on side 1, so luck evens out.
struct MatchSeriesReport {
    int matches = 0;
    int games = 0;
    std::array<int, 2> aWonOnSide{}; // A's matches won on each side
    std::vector<int> pairWins;       // A's matches won of both of each dice sequence

    // A's share of the matches of the finished pairs.
    double share() const;
    // Half the width of the 95 % confidence interval of share(), from the
    // spread of the pairs (0 with fewer than two).
    double confidence95() const;
};

struct MatchSeriesSettings {
    int pairs = 1; // dice sequences; twice as many matches
    int length = 1;
    std::uint64_t seed = 1;
    std::uint32_t budgetMs = 60000;
};

// Pair k plays the dice of streamSeed(seed, k) as playEngineMatch uses them.
// `afterMatch`, when given, is called after every match.
MatchSeriesReport
playMatchSeries(EngineSeat& a, EngineSeat& b, const MatchSeriesSettings& settings,
                const std::function<void(const MatchSeriesReport&)>& afterMatch = {});

} // namespace vh
