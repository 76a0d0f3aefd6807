#pragma once

#include "neural/outcome.h"

#include <vector>

namespace vh {

// The chance of winning a match at each score, worked out by the program
// from one stated input, the share of won games that are gammons.
//
// Each game is taken as even (0.5 each way) and won as a gammon with the
// stated rate, else as a single game; backgammons and the cube before the
// Crawford game are left out. The recursion runs over the points still
// needed, from the match's end backwards:
//  - post-Crawford the trailer doubles at once and the leader takes, so each
//    game is worth 2 points, or 4 for a gammon: T(j) = (1-g)/2 T(j-2) +
//    g/2 T(j-4), T(j <= 0) = 1, for the trailer needing j;
//  - the Crawford game has no cube: the leader wins the match with half its
//    chances, the trailer goes on post-Crawford from j-1 or j-2;
//  - before it, M(i, j) = (1-g)/2 M(i-1, j) + g/2 M(i-2, j) + (1-g)/2
//    M(i, j-1) + g/2 M(i, j-2), where reaching 1 away starts the Crawford game.
class MatchEquityTable {
public:
    static constexpr int kLongestMatch = 25;
    static constexpr double kDefaultGammonRate = 0.20;

    explicit MatchEquityTable(double gammonRate = kDefaultGammonRate);

    // The chance that the side needing `away` points beats the side needing
    // `otherAway` (1 to kLongestMatch each) before the Crawford game, or at
    // it when one of them needs 1.
    double beforeCrawford(int away, int otherAway) const;
    // After the Crawford game: the chance of the side needing `away` points
    // when the other needs `otherAway`, one of them needing 1.
    double postCrawford(int away, int otherAway) const;
    double gammonRate() const { return gammonRate_; }

private:
    double trailer(int away) const; // post-Crawford, against a leader needing 1

    double gammonRate_;
    std::vector<double> trailer_;  // by points needed, 0 to kLongestMatch
    std::vector<double> crawford_; // the trailer's chance at the Crawford game
    std::vector<double> before_;   // kLongestMatch x kLongestMatch, row: the first side
};

// The table of the default gammon rate, built once and shared by every engine
// and the coach.
const MatchEquityTable& standardMatchEquityTable();

// Where a game can end in a match: the side's chance of winning the match
// after it, needing `away` against `otherAway` (0 or less: that side has won).
// Once the Crawford game has begun (`crawfordReached`) the scores are
// post-Crawford ones; before, a side coming 1 away starts the Crawford game.
double chanceAtScore(const MatchEquityTable& table, int away, int otherAway, bool crawfordReached);

// The side's chance of winning the match from its chances in a game played
// for `cube` points a win at the score.
double matchWinningChance(const MatchEquityTable& table, const OutcomeChances& chances, int away,
                          int otherAway, int cube, bool crawfordReached);

// The same as an equity a money player reads: -1 where losing a single game
// leaves the side, +1 where winning one does, in a straight line between.
double equivalentEquity(const MatchEquityTable& table, double matchChance, int away, int otherAway,
                        int cube, bool crawfordReached);

} // namespace vh
