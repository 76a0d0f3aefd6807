#include "ai/duplicate_match.h"
#include "ai/match_equity.h"
#include "ai/match_series.h"
#include "coach/analysis.h"
#include "platform/seeded_stream.h"
#include "platform/tick_count.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/engine_options.h"
#include "tools/varnholt-cli/neural_options.h"
#include "tools/varnholt-cli/program_location.h"
#include "tools/varnholt-cli/reviewed_games.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace vh::cli {
namespace {

std::string places(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void writeMoneyGames(EngineSeat& seatA, EngineSeat& seatB, const MatchSettings& settings,
                     std::ostream& out) {
    const MatchReport report = playDuplicateMatch(seatA, seatB, settings);
    out << "a " << engineChoiceText(seatA.choice()) << '\n'
        << "b " << engineChoiceText(seatB.choice()) << '\n'
        << "seed " << settings.seed << " cube " << (settings.cube ? "yes" : "no") << '\n';
    for (int engine = 0; engine < 2; ++engine) {
        for (int side = 0; side < 2; ++side) {
            const SeatRecord& seat =
                report.seats[static_cast<std::size_t>(engine)][static_cast<std::size_t>(side)];
            out << (engine == 0 ? "a" : "b") << " side " << side << " games " << seat.games
                << " wins " << seat.wins << " gammons " << seat.gammons << " backgammons "
                << seat.backgammons << '\n';
        }
    }
    for (int engine = 0; engine < 2; ++engine) {
        const std::vector<double>& times = report.decisionMs[static_cast<std::size_t>(engine)];
        const double slowest = times.empty() ? 0.0 : *std::max_element(times.begin(), times.end());
        out << "decision-ms " << (engine == 0 ? "a" : "b") << " median " << places(median(times), 3)
            << " max " << places(slowest, 3) << '\n';
    }
    out << "ppg " << places(report.pointsPerGame(), 3) << " ci " << places(report.confidence95(), 3)
        << " games " << report.games << '\n';
}

void writeMatches(EngineSeat& seatA, EngineSeat& seatB, const MatchSeriesSettings& settings,
                  std::ostream& out) {
    const MatchSeriesReport report = playMatchSeries(seatA, seatB, settings);
    out << "a " << engineChoiceText(seatA.choice()) << '\n'
        << "b " << engineChoiceText(seatB.choice()) << '\n'
        << "seed " << settings.seed << " match-length " << settings.length << " cube yes\n";
    for (int side = 0; side < 2; ++side) {
        out << "a side " << side << " matches " << report.matches / 2 << " won "
            << report.aWonOnSide[static_cast<std::size_t>(side)] << '\n';
    }
    out << "games " << report.games << '\n'
        << "mwc " << places(100.0 * report.share(), 1) << " ci "
        << places(100.0 * report.confidence95(), 1) << " matches " << report.matches << '\n';
}

void writeReviews(EngineSeat& seatA, EngineSeat& seatB, int pairs, std::uint64_t seed,
                  std::uint32_t budgetMs, std::shared_ptr<const NeuralNetwork> network, int plies,
                  std::ostream& out) {
    out << "a " << engineChoiceText(seatA.choice()) << '\n'
        << "b " << engineChoiceText(seatB.choice()) << '\n'
        << "seed " << seed << " cube no review-plies " << plies << '\n';
    const auto progress = [&out](const ReviewTally& tally) {
        out << "game " << tally.games << " pr a " << places(tally.rating(0), 2) << " b "
            << places(tally.rating(1), 2) << std::endl;
    };
    const ReviewTally tally = reviewDuplicateGames(seatA, seatB, pairs, seed, budgetMs,
                                                   std::move(network), plies, progress);
    for (int engine = 0; engine < 2; ++engine) {
        const auto index = static_cast<std::size_t>(engine);
        out << "pr " << (engine == 0 ? "a " : "b ") << places(tally.rating(engine), 2)
            << " decisions " << tally.decisions[index] << " equity-lost "
            << places(tally.equityLost[index], 3) << '\n';
    }
    out << "games " << tally.games << '\n';
}

} // namespace

void runMatchCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("match", arguments,
                            {{"--a", 1},
                             {"--b", 1},
                             {"--games", 1},
                             {"--match-length", 1},
                             {"--seed", 1},
                             {"--cube", 0},
                             {"--review", 0},
                             {"--review-plies", 1},
                             {"--budget-ms", 1},
                             {"--weights", 1},
                             {"--program-dir", 1}});
    // An opponent's engine is read from the program directory's files.
    chooseProgramDirectory(options);
    EngineChoice a = parseEngineOption(options.value("--a"));
    EngineChoice b = parseEngineOption(options.value("--b"));
    const auto games =
        static_cast<int>(parseInteger(options.value("--games"), 2, 1000000, "games"));
    if (games % 2 != 0) {
        throw CliError("games must be even: every dice sequence is played twice");
    }
    const int length =
        options.has("--match-length")
            ? static_cast<int>(parseInteger(options.value("--match-length"), 1,
                                            MatchEquityTable::kLongestMatch, "match length"))
            : 0;
    const std::uint64_t seed =
        options.has("--seed") ? static_cast<std::uint64_t>(
                                    parseInteger(options.value("--seed"), 0, 4294967295, "seed"))
                              : tickCount();
    const std::uint32_t budgetMs =
        options.has("--budget-ms") ? parseBudget(options.value("--budget-ms")) : kDefaultBudgetMs;
    const bool review = options.has("--review");
    if (review && (length > 0 || options.has("--cube"))) {
        throw CliError("--review plays money games without a cube");
    }
    // Each seat's error, if it makes one, follows the run's seed.
    a.noiseSeed = streamSeed(seed, 1000001);
    b.noiseSeed = streamSeed(seed, 1000002);
    // The program's network (or --weights), for the reviewer and neural seats without a file.
    const auto needsShared = [](const EngineChoice& seat) {
        return seat.kind == EngineChoice::Kind::Neural && seat.weightsFile.empty();
    };
    const auto network =
        review || needsShared(a) || needsShared(b) ? loadNetworkOption(options) : nullptr;
    EngineSeat seatA(a, networkFor(a, network));
    EngineSeat seatB(b, networkFor(b, network));
    if (review) {
        const int plies =
            options.has("--review-plies")
                ? static_cast<int>(parseInteger(options.value("--review-plies"), 0, 2, "plies"))
                : kAnalysisPlies;
        writeReviews(seatA, seatB, games / 2, seed, budgetMs, network, plies, out);
        return;
    }
    if (length > 0) {
        writeMatches(seatA, seatB, {games / 2, length, seed, budgetMs}, out);
        return;
    }
    writeMoneyGames(seatA, seatB, {games / 2, seed, options.has("--cube"), budgetMs}, out);
}

} // namespace vh::cli
