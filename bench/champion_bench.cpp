#include "ai/neural_engine.h"
#include "bench/shipped_files.h"
#include "neural/race_judges.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/roll_case.h"
#include "rules/side.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace vh::bench {
namespace {

constexpr std::uint64_t kGamesSeed = 20261210;
constexpr std::size_t kPositions = 300;

// The champion as the program plays it: the shipped network and its judges
// of races.
std::shared_ptr<const NeuralNetwork> shippedChampion(benchmark::State& state) {
    std::optional<NeuralNetwork> network = benchNetwork(state, "Champion.weights");
    if (!network) {
        return nullptr;
    }
    attachRaceJudges(*network);
    return std::make_shared<const NeuralNetwork>(std::move(*network));
}

// The rolls met in seeded games of the network against itself at 0 ply,
// every one with a play to choose among several.
std::vector<RollCase> selfPlayPositions(const std::shared_ptr<const NeuralNetwork>& network,
                                        NeuralWorkspace& workspace) {
    std::vector<RollCase> cases;
    for (std::uint64_t game = 0; cases.size() < kPositions; ++game) {
        SeededStream dice(streamSeed(kGamesSeed, game));
        BoardRecord board;
        setStartPosition(board.position);
        int side = static_cast<int>(game % 2);
        while (!hasWon(board.position, 0) && !hasWon(board.position, 1) &&
               cases.size() < kPositions) {
            board.die1 = dice.die();
            board.die2 = dice.die();
            generatePlays(workspace.list, board.position, side, board.die1, board.die2);
            if (workspace.list.count > 1) {
                cases.push_back({board.position, side, board.die1, board.die2});
            }
            NeuralEngine engine(network, 0, board, side, 60000, &workspace);
            engine.run();
            applyPlay(engine.result(), board.position);
            side = otherSide(side);
        }
    }
    return cases;
}

// The champion's decision at a depth (the argument) on positions of its own
// games: the median and the slowest in milliseconds.
void BM_ChampionDecision(benchmark::State& state) {
    const auto network = shippedChampion(state);
    if (network == nullptr) {
        return;
    }
    const auto workspace = makeNeuralWorkspace();
    const std::vector<RollCase> cases = selfPlayPositions(network, *workspace);
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (const RollCase& rollCase : cases) {
            const auto start = std::chrono::steady_clock::now();
            NeuralEngine engine(network, static_cast<int>(state.range(0)), boardFor(rollCase),
                                rollCase.side, 60000, workspace.get());
            engine.run();
            benchmark::DoNotOptimize(engine.result());
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_ChampionDecision)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vh::bench
