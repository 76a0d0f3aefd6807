#include "ai/match_series.h"

#include "ai/engine_match.h"
#include "platform/seeded_stream.h"

#include <cmath>
#include <memory>

namespace vh {

double MatchSeriesReport::share() const {
    double won = 0.0;
    for (const int wins : pairWins) {
        won += wins;
    }
    return pairWins.empty() ? 0.0 : won / (2.0 * static_cast<double>(pairWins.size()));
}

double MatchSeriesReport::confidence95() const {
    if (pairWins.size() < 2) {
        return 0.0;
    }
    const auto n = static_cast<double>(pairWins.size());
    const double mean = 2.0 * share();
    double squares = 0.0;
    for (const int wins : pairWins) {
        squares += (wins - mean) * (wins - mean);
    }
    // Per match: a pair is two matches.
    const double deviation = std::sqrt(squares / (n - 1.0)) / 2.0;
    return 1.96 * deviation / std::sqrt(n);
}

MatchSeriesReport playMatchSeries(EngineSeat& a, EngineSeat& b, const MatchSeriesSettings& settings,
                                  const std::function<void(const MatchSeriesReport&)>& afterMatch) {
    MatchSeriesReport report;
    const auto list = std::make_unique<PlayList>();
    for (int pair = 0; pair < settings.pairs; ++pair) {
        const std::uint64_t seed = streamSeed(settings.seed, static_cast<std::uint64_t>(pair));
        int pairWins = 0;
        for (int aSide = 0; aSide < 2; ++aSide) {
            const std::array<EngineSeat*, 2> seats = aSide == 0
                                                         ? std::array<EngineSeat*, 2>{&a, &b}
                                                         : std::array<EngineSeat*, 2>{&b, &a};
            const EngineMatchResult result =
                playEngineMatch(seats, settings.length, seed, settings.budgetMs, *list);
            ++report.matches;
            report.games += result.games;
            if (result.winner == aSide) {
                ++pairWins;
                ++report.aWonOnSide[static_cast<std::size_t>(aSide)];
            }
            if (aSide == 1) {
                report.pairWins.push_back(pairWins);
            }
            if (afterMatch) {
                afterMatch(report);
            }
        }
    }
    return report;
}

} // namespace vh
