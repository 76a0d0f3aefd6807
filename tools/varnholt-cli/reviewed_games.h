#pragma once

#include "ai/engine_seat.h"
#include "coach/game_record.h"
#include "neural/network.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace vh::cli {

// One money game without a cube from the start position, seats[s] playing
// side s, the dice and the first side from `diceSeed` alone, recorded turn
// by turn for the coach (its cube never judged).
GameRecord playRecordedGame(const std::array<EngineSeat*, 2>& seats, std::uint64_t diceSeed,
                            std::uint32_t budgetMs);

// What the coach found in the plays of engines A and B over reviewed games.
struct ReviewTally {
    int games = 0;
    std::array<double, 2> equityLost{}; // A's, B's
    std::array<int, 2> decisions{};

    // The performance rating of A (0) or B (1) over every game.
    double rating(int engine) const;
};

// `pairs` dice sequences played twice, A on side 0 and then on side 1 (pair k
// from streamSeed(seed, k)), every game reviewed by the coach with `network`
// at `plies`.
// `afterGame`, when given, hears of each game with the tally so far.
ReviewTally reviewDuplicateGames(EngineSeat& a, EngineSeat& b, int pairs, std::uint64_t seed,
                                 std::uint32_t budgetMs,
                                 std::shared_ptr<const NeuralNetwork> network, int plies,
                                 const std::function<void(const ReviewTally&)>& afterGame = {});

} // namespace vh::cli
