#include "ai/match_score.h"

#include "rules/side.h"

#include <algorithm>

namespace vh {
int boundedCube(int cube) {
    return std::clamp(cube, 1, 2 * MatchEquityTable::kLongestMatch);
}

double ScoreView::afterGame(int points) const {
    return points >= 0 ? chanceAtScore(*table, away - points, otherAway, crawfordReached)
                       : chanceAtScore(*table, away, otherAway + points, crawfordReached);
}

ScoreView scoreView(const MatchState& match, int side, const MatchEquityTable& table) {
    return {&table, match.away(side), match.away(otherSide(side)),
            match.crawford != MatchState::Crawford::NotYet, match.cubeAvailable()};
}

double matchChance(const ScoreView& view, const OutcomeChances& chances, int cube) {
    return matchWinningChance(*view.table, chances, view.away, view.otherAway, boundedCube(cube),
                              view.crawfordReached);
}

float equityOfChance(const ScoreView& view, double matchChance, int cube) {
    return static_cast<float>(equivalentEquity(*view.table, matchChance, view.away, view.otherAway,
                                               boundedCube(cube), view.crawfordReached));
}

EquityAtScore::EquityAtScore(const ScoreView& view, int cube) {
    const auto equity = [&](const OutcomeChances& chances) {
        return equivalentEquity(*view.table, matchChance(view, chances, cube), view.away,
                                view.otherAway, boundedCube(cube), view.crawfordReached);
    };
    constant_ = equity({});
    for (std::size_t k = 0; k < weights_.size(); ++k) {
        OutcomeChances unit{};
        unit[k] = 1.0f;
        weights_[k] = equity(unit) - constant_;
    }
}

float EquityAtScore::operator()(const OutcomeChances& chances) const {
    double equity = constant_;
    for (std::size_t k = 0; k < weights_.size(); ++k) {
        equity += weights_[k] * chances[k];
    }
    return static_cast<float>(equity);
}

} // namespace vh
