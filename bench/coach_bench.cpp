#include "bench/corpus.h"
#include "bench/shipped_files.h"
#include "coach/analysis.h"
#include "coach/game_review.h"
#include "neural/bearoff_database.h"
#include "neural/network_play.h"
#include "platform/random.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/side.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

namespace vh::bench {
namespace {

constexpr std::uint32_t kCorpusSeed = 20261209;
constexpr int kReviewTurns = 60;

// The network the build ships beside the benchmark; none when it is missing.
std::shared_ptr<const NeuralNetwork> championNetwork(benchmark::State& state) {
    std::optional<NeuralNetwork> network = benchNetwork(state, "Champion.weights");
    return network ? std::make_shared<const NeuralNetwork>(std::move(*network)) : nullptr;
}

double milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The ranked list of a roll as the window asks for it, over positions met in
// play: the median and the slowest of them in milliseconds.
void BM_CoachRankedList(benchmark::State& state) {
    const auto network = championNetwork(state);
    if (network == nullptr) {
        return;
    }
    const std::vector<RollCase> corpus = randomPlayPositions(200, kCorpusSeed);
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (const RollCase& rollCase : corpus) {
            const AnalysisRequest request{rollCase.position, rollCase.side, rollCase.die1,
                                          rollCase.die2};
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(
                analyse(*makeAnalysisEngine(network, request, kAnalysisPlies), request));
            times.push_back(milliseconds(std::chrono::steady_clock::now() - start));
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}
BENCHMARK(BM_CoachRankedList)->Unit(benchmark::kMillisecond)->Iterations(1);

// A game of up to 60 turns in which both sides make the coach's best play.
GameRecord coachPlayedGame(const std::shared_ptr<const NeuralNetwork>& network) {
    seedRandom(kCorpusSeed);
    GameRecord record;
    record.names = {"Ann", "Bob"};
    setStartPosition(record.start);
    BoardPosition position = record.start;
    int side = 0;
    while (static_cast<int>(record.turns.size()) < kReviewTurns && !hasWon(position, 0) &&
           !hasWon(position, 1)) {
        const AnalysisRequest request{position, side, rollDie(), rollDie()};
        const Analysis analysis = analyse(*makeAnalysisEngine(network, request, 0), request);
        RecordedTurn turn;
        turn.side = side;
        turn.die1 = request.die1;
        turn.die2 = request.die2;
        if (!analysis.plays.empty()) {
            turn.play = analysis.plays.front().play;
        }
        applyPlay(turn.play, position);
        record.turns.push_back(turn);
        side = otherSide(side);
    }
    return record;
}

// The whole review of the game on one thread, as the window makes it in the
// background: every turn ranked, its cube judged and its luck weighed.
void BM_CoachReviewOfAGame(benchmark::State& state) {
    const auto network = championNetwork(state);
    if (network == nullptr) {
        return;
    }
    const GameRecord record = coachPlayedGame(network);
    for (auto _ : state) {
        benchmark::DoNotOptimize(reviewGame(network, record));
    }
    state.counters["turns"] = static_cast<double>(record.turns.size());
}
BENCHMARK(BM_CoachReviewOfAGame)->Unit(benchmark::kMillisecond)->Iterations(1);

// A random home-board placement of 1 to 15 checkers for `side`.
void placeHome(BoardPosition& position, int side, SeededStream& stream) {
    const int checkers = static_cast<int>(stream.next() % 15u) + 1;
    for (int i = 0; i < checkers; ++i) {
        const int point = static_cast<int>(stream.next() % 6u);
        BoardEntry& entry = position[side == 0 ? point : 23 - point];
        entry = {entry.count + 1, side};
    }
    position[offEntry(side)] = {kCheckersPerSide - checkers, side};
}

// The network against the solved bear-offs, on random positions with both
// sides home: how far its equity is from the solved one, and how often and
// by how much (judged by the database) its best play of a roll is worse.
void BM_BearoffNetworkAgainstDatabase(benchmark::State& state) {
    const auto network = championNetwork(state);
    std::string error;
    const std::optional<BearoffDatabase> database =
        BearoffDatabase::readFile(benchDataFolder() / "Bearoff.dat", error);
    if (network == nullptr || !database) {
        state.SkipWithError(("no network or bear-off database: " + error).c_str());
        return;
    }
    NeuralNetwork solved = *network;
    solved.setBearoff(std::make_shared<const BearoffDatabase>(*database));
    const auto plays = std::make_unique<PlayList>();
    constexpr int kPositions = 5000;
    double equityError = 0.0;
    double loss = 0.0;
    int differentPlays = 0;
    for (auto _ : state) {
        SeededStream stream(kCorpusSeed);
        for (int n = 0; n < kPositions; ++n) {
            BoardPosition position;
            clearPosition(position);
            placeHome(position, 0, stream);
            placeHome(position, 1, stream);
            equityError += std::abs(cubelessEquity(chancesOnRoll(*network, position, 0)) -
                                    cubelessEquity(chancesOnRoll(solved, position, 0)));
            const int die1 = stream.die();
            const int die2 = stream.die();
            generatePlays(*plays, position, 0, die1, die2);
            const JudgedPlay byNetwork = bestPlayOfRoll(*network, *plays, position, 0, die1, die2);
            const JudgedPlay bySolution = bestPlayOfRoll(solved, *plays, position, 0, die1, die2);
            if (byNetwork.index >= 0 && byNetwork.index != bySolution.index) {
                applyPlay((*plays)[byNetwork.index], position);
                const float chosen = cubelessEquity(chancesAfterPlay(solved, position, 0));
                const double lost = bySolution.equity - chosen;
                if (lost > 1e-6) {
                    ++differentPlays;
                    loss += lost;
                }
            }
        }
    }
    state.counters["mean_equity_error"] = equityError / kPositions;
    state.counters["worse_play_share"] = static_cast<double>(differentPlays) / kPositions;
    state.counters["mean_equity_lost_per_roll"] = loss / kPositions;
}
BENCHMARK(BM_BearoffNetworkAgainstDatabase)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vh::bench
