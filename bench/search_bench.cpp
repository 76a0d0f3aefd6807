#include "ai/board_summary.h"
#include "ai/evaluation.h"
#include "ai/lookahead_engine.h"
#include "bench/corpus.h"
#include "rules/move_generator.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <vector>

#ifdef VARNHOLT_BENCH_REFERENCE
#include "tests/support/reference_search.h"
#endif

namespace vh::bench {
namespace {

constexpr std::uint32_t kCorpusSeed = 20261208;
constexpr int kDecisionCount = 500;

// Positions from random play whose roll can be played: the computer is only
// asked to choose when there is something to choose.
std::vector<RollCase> decisionCorpus() {
    auto list = std::make_unique<PlayList>();
    std::vector<RollCase> playable;
    for (RollCase& rollCase : randomPlayPositions(2 * kDecisionCount, kCorpusSeed)) {
        generatePlays(*list, rollCase.position, rollCase.side, rollCase.die1, rollCase.die2);
        if (list->count > 0 && static_cast<int>(playable.size()) < kDecisionCount) {
            playable.push_back(rollCase);
        }
    }
    return playable;
}

void BM_Evaluate(benchmark::State& state) {
    const std::vector<RollCase> cases = randomPlayPositions(1000, kCorpusSeed);
    for (auto _ : state) {
        for (const RollCase& rollCase : cases) {
            benchmark::DoNotOptimize(evaluate(rollCase.position, rollCase.side, 0));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_Evaluate);

// What the search does for each reply: the position after a play, evaluated
// from the summary of the position before it.
struct Replies {
    RollCase rollCase;
    BoardSummary summary;
    std::vector<Play> plays;
};

// The plays of positions from random play, as the search meets them.
std::vector<Replies> replyCorpus(std::int64_t& playCount) {
    auto list = std::make_unique<PlayList>();
    std::vector<Replies> corpus;
    playCount = 0;
    for (RollCase& rollCase : randomPlayPositions(300, kCorpusSeed)) {
        generatePlays(*list, rollCase.position, rollCase.side, rollCase.die1, rollCase.die2);
        corpus.push_back({rollCase, summarize(rollCase.position), {list->begin(), list->end()}});
        playCount += list->count;
    }
    return corpus;
}

void BM_EvaluateAfterPlay(benchmark::State& state) {
    std::int64_t perIteration = 0;
    const std::vector<Replies> corpus = replyCorpus(perIteration);
    for (auto _ : state) {
        for (const Replies& replies : corpus) {
            const RollCase& rollCase = replies.rollCase;
            for (const Play& play : replies.plays) {
                benchmark::DoNotOptimize(evaluateAfterPlay(replies.summary, rollCase.position, play,
                                                           rollCase.side, rollCase.side, 0));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * perIteration);
}
BENCHMARK(BM_EvaluateAfterPlay);

// The same positions evaluated by making each play and reading the board whole.
void BM_EvaluateByMakingThePlay(benchmark::State& state) {
    std::int64_t perIteration = 0;
    std::vector<Replies> corpus = replyCorpus(perIteration);
    for (auto _ : state) {
        for (Replies& replies : corpus) {
            RollCase& rollCase = replies.rollCase;
            for (const Play& play : replies.plays) {
                applyPlay(play, rollCase.position);
                benchmark::DoNotOptimize(evaluate(rollCase.position, rollCase.side, 0));
                takeBackPlay(play, rollCase.position);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * perIteration);
}
BENCHMARK(BM_EvaluateByMakingThePlay);

// CPU time of this thread in seconds: other programs on the machine do not
// count against a decision.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Static evaluations worked out, and positions scored (worked out or found
// remembered).
struct DecisionWork {
    std::int64_t evaluations = 0;
    std::int64_t scored = 0;
};

// Times each decision of the corpus on its own (thread CPU time) and reports
// the median, the maximum and the static evaluations per second.
template <typename Decide>
void timeDecisions(benchmark::State& state, Decide decide) {
    const std::vector<RollCase> cases = decisionCorpus();
    std::vector<double> times;
    std::int64_t evaluations = 0;
    std::int64_t scored = 0;
    double seconds = 0.0;
    for (auto _ : state) {
        for (const RollCase& rollCase : cases) {
            const double start = threadSeconds();
            const DecisionWork work = decide(rollCase);
            evaluations += work.evaluations;
            scored += work.scored;
            const double took = threadSeconds() - start;
            times.push_back(took * 1000.0);
            seconds += took;
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p90_ms"] = times[times.size() * 9 / 10];
    state.counters["max_ms"] = times.back();
    state.counters["mean_ms"] = seconds * 1000.0 / static_cast<double>(times.size());
    state.counters["evals/s"] = static_cast<double>(evaluations) / seconds;
    state.counters["evals/decision"] =
        static_cast<double>(evaluations) / static_cast<double>(times.size());
    state.counters["scored/decision"] =
        static_cast<double>(scored) / static_cast<double>(times.size());
}

void BM_TwoPlyDecision(benchmark::State& state) {
    const auto workspace = makeSearchWorkspace();
    timeDecisions(state, [&](const RollCase& rollCase) {
        LookaheadEngine engine({2001, 0, 0}, boardFor(rollCase), rollCase.side, 60000,
                               EngineTask::ChoosePlay, workspace.get());
        engine.run();
        benchmark::DoNotOptimize(engine.result().count);
        const SearchStatistics& statistics = engine.statistics();
        return DecisionWork{statistics.evaluations, statistics.evaluations + statistics.remembered};
    });
}
BENCHMARK(BM_TwoPlyDecision)->Unit(benchmark::kMillisecond)->Iterations(3);

#ifdef VARNHOLT_BENCH_REFERENCE
// The same decisions by the plain search of the test suite, for comparison.
void BM_TwoPlyDecisionPlain(benchmark::State& state) {
    test::ReferenceSearch search(2, 0);
    timeDecisions(state, [&](const RollCase& rollCase) {
        const std::int64_t before = search.evaluations();
        const Play play =
            search.choose(rollCase.position, rollCase.side, rollCase.die1, rollCase.die2);
        benchmark::DoNotOptimize(play.count);
        const std::int64_t evaluations = search.evaluations() - before;
        return DecisionWork{evaluations, evaluations};
    });
}
BENCHMARK(BM_TwoPlyDecisionPlain)->Unit(benchmark::kMillisecond)->Iterations(1);
#endif

} // namespace
} // namespace vh::bench
