#include "ai/duplicate_match.h"

#include "platform/seeded_stream.h"
#include "rules/play_list.h"

#include <cmath>
#include <memory>

namespace vh {

double MatchReport::pointsPerGame() const {
    double total = 0.0;
    for (const double points : pairPoints) {
        total += points;
    }
    return pairPoints.empty() ? 0.0 : total / (2.0 * static_cast<double>(pairPoints.size()));
}

double MatchReport::confidence95() const {
    const auto n = static_cast<double>(pairPoints.size());
    if (pairPoints.size() < 2) {
        return 0.0;
    }
    double mean = 0.0;
    for (const double points : pairPoints) {
        mean += points;
    }
    mean /= n;
    double squares = 0.0;
    for (const double points : pairPoints) {
        squares += (points - mean) * (points - mean);
    }
    // Per game: a pair is two games.
    const double deviation = std::sqrt(squares / (n - 1.0)) / 2.0;
    return 1.96 * deviation / std::sqrt(n);
}

MatchReport playDuplicateMatch(EngineSeat& a, EngineSeat& b, const MatchSettings& settings,
                               const std::function<void(const MatchReport&)>& afterGame) {
    MatchReport report;
    const auto list = std::make_unique<PlayList>();
    for (int pair = 0; pair < settings.pairs; ++pair) {
        const std::uint64_t seed = streamSeed(settings.seed, static_cast<std::uint64_t>(pair));
        double pairPoints = 0.0;
        for (int aSide = 0; aSide < 2; ++aSide) {
            std::array<EngineSeat*, 2> seats{&a, &b};
            if (aSide == 1) {
                seats = {&b, &a};
            }
            DecisionTimes times;
            const MoneyGameResult result =
                playMoneyGame(seats, seed, settings.cube, settings.budgetMs, *list, &times);
            const int winnerEngine = result.winner == aSide ? 0 : 1;
            for (int side = 0; side < 2; ++side) {
                const int engine = side == aSide ? 0 : 1;
                SeatRecord& record =
                    report.seats[static_cast<std::size_t>(engine)][static_cast<std::size_t>(side)];
                ++record.games;
                auto& decisions = report.decisionMs[static_cast<std::size_t>(engine)];
                const auto& taken = times[static_cast<std::size_t>(side)];
                decisions.insert(decisions.end(), taken.begin(), taken.end());
            }
            SeatRecord& winner = report.seats[static_cast<std::size_t>(winnerEngine)]
                                             [static_cast<std::size_t>(result.winner)];
            ++winner.wins;
            if (!result.passed) {
                winner.gammons += result.kind == ResultKind::Gammon ? 1 : 0;
                winner.backgammons += result.kind == ResultKind::Backgammon ? 1 : 0;
            }
            const auto points = static_cast<double>(result.points());
            pairPoints += winnerEngine == 0 ? points : -points;
            ++report.games;
            if (aSide == 1) {
                report.pairPoints.push_back(pairPoints);
            }
            if (afterGame) {
                afterGame(report);
            }
        }
    }
    return report;
}

} // namespace vh
