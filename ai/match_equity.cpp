#include "ai/match_equity.h"

#include <algorithm>
#include <stdexcept>

namespace vh {
namespace {

constexpr int kSize = MatchEquityTable::kLongestMatch + 1;

void checkAway(int away) {
    if (away < 1 || away > MatchEquityTable::kLongestMatch) {
        throw std::out_of_range("a score beyond the match equity table");
    }
}

} // namespace

MatchEquityTable::MatchEquityTable(double gammonRate)
    : gammonRate_(std::clamp(gammonRate, 0.0, 1.0)), trailer_(kSize, 1.0), crawford_(kSize, 1.0),
      before_(static_cast<std::size_t>(kSize * kSize), 0.5) {
    const double g = gammonRate_;
    const auto post = [this](int away) { return away <= 0 ? 1.0 : trailer_[away]; };
    trailer_[1] = 0.5;
    for (int away = 2; away < kSize; ++away) {
        trailer_[away] = 0.5 * ((1 - g) * post(away - 2) + g * post(away - 4));
    }
    crawford_[1] = 0.5;
    for (int away = 2; away < kSize; ++away) {
        crawford_[away] = 0.5 * ((1 - g) * post(away - 1) + g * post(away - 2));
    }
    // The chance of the side needing `a` against the side needing `b`, at
    // any score a game can lead to.
    const auto after = [this](int a, int b) {
        if (a <= 0) {
            return 1.0;
        }
        if (b <= 0) {
            return 0.0;
        }
        if (a == 1) {
            return 1.0 - crawford_[b];
        }
        if (b == 1) {
            return crawford_[a];
        }
        return before_[static_cast<std::size_t>(a * kSize + b)];
    };
    for (int a = 2; a < kSize; ++a) {
        for (int b = 2; b <= a; ++b) {
            const double win = (1 - g) * after(a - 1, b) + g * after(a - 2, b);
            const double lose = (1 - g) * after(a, b - 1) + g * after(a, b - 2);
            const double chance = 0.5 * (win + lose);
            before_[static_cast<std::size_t>(a * kSize + b)] = chance;
            before_[static_cast<std::size_t>(b * kSize + a)] = 1.0 - chance;
        }
    }
    for (int b = 1; b < kSize; ++b) {
        before_[static_cast<std::size_t>(1 * kSize + b)] = after(1, b);
        before_[static_cast<std::size_t>(b * kSize + 1)] = b == 1 ? 0.5 : after(b, 1);
    }
}

double MatchEquityTable::beforeCrawford(int away, int otherAway) const {
    checkAway(away);
    checkAway(otherAway);
    return before_[static_cast<std::size_t>(away * kSize + otherAway)];
}

double MatchEquityTable::postCrawford(int away, int otherAway) const {
    checkAway(away);
    checkAway(otherAway);
    if (away == 1) {
        return 1.0 - trailer(otherAway);
    }
    if (otherAway == 1) {
        return trailer(away);
    }
    throw std::out_of_range("after the Crawford game one side needs 1 point");
}

double MatchEquityTable::trailer(int away) const {
    return trailer_[static_cast<std::size_t>(away)];
}

const MatchEquityTable& standardMatchEquityTable() {
    static const MatchEquityTable table;
    return table;
}

double chanceAtScore(const MatchEquityTable& table, int away, int otherAway, bool crawfordReached) {
    if (away <= 0) {
        return 1.0;
    }
    if (otherAway <= 0) {
        return 0.0;
    }
    if (crawfordReached && (away == 1 || otherAway == 1) && away + otherAway > 2) {
        return table.postCrawford(away, otherAway);
    }
    return table.beforeCrawford(away, otherAway);
}

double matchWinningChance(const MatchEquityTable& table, const OutcomeChances& chances, int away,
                          int otherAway, int cube, bool crawfordReached) {
    const auto at = [&](int points, bool won) {
        return won ? chanceAtScore(table, away - points * cube, otherAway, crawfordReached)
                   : chanceAtScore(table, away, otherAway - points * cube, crawfordReached);
    };
    const double win = chances[kWin];
    const double winGammon = chances[kWinGammon];
    const double winBackgammon = chances[kWinBackgammon];
    const double lose = 1.0 - win;
    const double loseGammon = chances[kLoseGammon];
    const double loseBackgammon = chances[kLoseBackgammon];
    return (win - winGammon) * at(1, true) + (winGammon - winBackgammon) * at(2, true) +
           winBackgammon * at(3, true) + (lose - loseGammon) * at(1, false) +
           (loseGammon - loseBackgammon) * at(2, false) + loseBackgammon * at(3, false);
}

double equivalentEquity(const MatchEquityTable& table, double matchChance, int away, int otherAway,
                        int cube, bool crawfordReached) {
    const double winSingle = chanceAtScore(table, away - cube, otherAway, crawfordReached);
    const double loseSingle = chanceAtScore(table, away, otherAway - cube, crawfordReached);
    if (winSingle <= loseSingle) {
        return 0.0;
    }
    return 2.0 * (matchChance - loseSingle) / (winSingle - loseSingle) - 1.0;
}

} // namespace vh
