#pragma once

#include "ai/match_equity.h"
#include "neural/outcome.h"
#include "rules/match_state.h"

#include <array>

namespace vh {

// A game of a match as one side sees it: the points it and its opponent
// still need, where the Crawford rule stands, and the table that says what
// each score is worth.
struct ScoreView {
    const MatchEquityTable* table = nullptr;
    int away = 1;
    int otherAway = 1;
    bool crawfordReached = false;
    bool cubeAvailable = true; // no double may be offered in the Crawford game

    // The side's chance of winning the match once the game ends with the
    // side `points` up (a win) or down (a loss, points < 0).
    double afterGame(int points) const;
    // A double from `cube` can gain the side something: the cube may be
    // offered at all, and winning at its value does not win the match yet.
    bool cubeAlive(int cube) const { return cubeAvailable && cube < away; }
};

// Any cube from 2 x kLongestMatch on ends the match with the game whatever
// happens in it: the functions here take a larger one as that value.
int boundedCube(int cube);

// `side`'s view of a match game at `match` (which must be a match).
ScoreView scoreView(const MatchState& match, int side,
                    const MatchEquityTable& table = standardMatchEquityTable());

// The side's chance of winning the match from its chances in the game with
// the cube at `cube`.
double matchChance(const ScoreView& view, const OutcomeChances& chances, int cube);
// A match-winning chance of the side as the equity a money player reads, per
// unit of the cube at `cube`.
float equityOfChance(const ScoreView& view, double matchChance, int cube);
// The equity of the side's chances at one score and cube, worked out once as
// the straight-line function of the five chances it is, for searches that
// judge many positions.
class EquityAtScore {
public:
    EquityAtScore() = default;
    EquityAtScore(const ScoreView& view, int cube);

    float operator()(const OutcomeChances& chances) const;

private:
    double constant_ = 0.0;
    std::array<double, kOutcomeCount> weights_{};
};

} // namespace vh
