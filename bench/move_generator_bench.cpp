#include "bench/corpus.h"
#include "rules/move_generator.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace vh::bench {
namespace {

// Generates the plays of every case per iteration; reports recorded plays and
// cases per second.
void generateCorpus(benchmark::State& state, std::vector<RollCase> cases) {
    auto list = std::make_unique<PlayList>();
    std::int64_t plays = 0;
    for (auto _ : state) {
        for (RollCase& rollCase : cases) {
            generatePlays(*list, rollCase.position, rollCase.side, rollCase.die1, rollCase.die2);
            plays += list->count;
            benchmark::DoNotOptimize(list->count);
        }
    }
    state.counters["plays/s"] =
        benchmark::Counter(static_cast<double>(plays), benchmark::Counter::kIsRate);
    state.counters["cases/s"] = benchmark::Counter(static_cast<double>(state.iterations()) *
                                                       static_cast<double>(cases.size()),
                                                   benchmark::Counter::kIsRate);
    state.counters["plays/case"] =
        static_cast<double>(plays) /
        (static_cast<double>(state.iterations()) * static_cast<double>(cases.size()));
}

void BM_StartPositionAllRolls(benchmark::State& state) {
    generateCorpus(state, startPositionRolls());
}
BENCHMARK(BM_StartPositionAllRolls);

void BM_RandomPlayPositions(benchmark::State& state) {
    generateCorpus(state, randomPlayPositions(1000, 20261208));
}
BENCHMARK(BM_RandomPlayPositions);

void BM_BearInDoubles(benchmark::State& state) {
    generateCorpus(state, bearInDoubles(300, 7));
}
BENCHMARK(BM_BearInDoubles);

} // namespace
} // namespace vh::bench

BENCHMARK_MAIN();
