#pragma once

#include "ai/engine_seat.h"
#include "ai/money_game.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vh {

struct SeatRecord {
    int games = 0;
    int wins = 0;
    int gammons = 0; // won as gammons
    int backgammons = 0;
};

// Money games between engines A and B in duplicate: every dice sequence is
// played twice, A on side 0 and then on side 1, so luck evens out.
struct MatchReport {
    int games = 0;
    // [engine: 0 for A, 1 for B][the side it played]
    std::array<std::array<SeatRecord, 2>, 2> seats{};
    std::vector<double> pairPoints; // A's points over both games of each dice sequence
    std::array<std::vector<double>, 2> decisionMs; // each play's thinking time, A and B

    // A's points per game over the finished pairs.
    double pointsPerGame() const;
    // Half the width of the 95 % confidence interval of pointsPerGame(),
    // from the spread of the pairs (0 with fewer than two).
    double confidence95() const;
};

struct MatchSettings {
    int pairs = 1; // dice sequences; twice as many games
    std::uint64_t seed = 1;
    bool cube = false;
    std::uint32_t budgetMs = 60000;
};

// Pair k uses the dice of streamSeed(seed, k). `afterGame`, when given, is
// called after every game.
MatchReport playDuplicateMatch(EngineSeat& a, EngineSeat& b, const MatchSettings& settings,
                               const std::function<void(const MatchReport&)>& afterGame = {});

} // namespace vh
