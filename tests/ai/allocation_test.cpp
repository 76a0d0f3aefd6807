#include "ai/board_summary.h"
#include "ai/lookahead_engine.h"
#include "ai/neural_engine.h"
#include "ai/reply_expectation.h"
#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

// Where the results go, so that the work that makes them is not left out.
volatile std::int64_t observedTotal = 0;
volatile float observedEquity = 0.0f;

TEST(Allocation, EvaluationAndReplyScoringNeverAllocate) {
    {
        // The counter itself must work, or the checks below prove nothing.
        static std::unique_ptr<int> kept; // kept alive, so the allocation cannot be left out
        const test::AllocationWatch probe;
        kept = std::make_unique<int>(1);
        ASSERT_EQ(probe.stats().count, 1u);
    }
    auto list = std::make_unique<PlayList>();
    EvaluationCache cache;
    for (RollCase& c : test::randomCases(300, 4)) {
        SearchStatistics statistics;
        const test::AllocationWatch watch;
        Evaluation sink = evaluate(c.position, c.side, 1);
        const BoardSummary summary = summarize(c.position);
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        for (const Play& play : *list) {
            sink = evaluateAfterPlay(summary, c.position, play, c.side, c.side, 1);
        }
        sink = expectedBestReply(*list, cache, c.position, c.side, 1, statistics);
        observedTotal = sink.total();
        ASSERT_EQ(watch.stats().count, 0u);
    }
}

// The whole search runs on the lists of the workspace it is lent: the only
// allocation left is the root ordering's sort buffer, however many nodes the
// search visits. It also runs here, on the main thread, whose stack could not
// hold even two play lists.
TEST(Allocation, ATwoPlySearchAllocatesNothingPerNode) {
    auto workspace = makeSearchWorkspace();
    int searched = 0;
    for (const RollCase& c : test::randomCases(60, 5)) {
        LookaheadEngine engine({2001, 0, 0}, boardFor(c), c.side, 60000, EngineTask::ChoosePlay,
                               workspace.get());
        const test::AllocationWatch watch;
        engine.run();
        EXPECT_LE(watch.stats().count, 1u) << "generations " << engine.statistics().generations;
        searched += engine.statistics().generations > 1 ? 1 : 0;
    }
    EXPECT_GT(searched, 40);
}

// Neural evaluations, the best play of a roll, one roll ahead and whole
// searches at 0, 1 and 2 plies run without the heap once the workspace exists.
TEST(Allocation, NeuralEvaluationsAndSearchesNeverAllocate) {
    auto network = std::make_shared<NeuralNetwork>(16);
    SeededStream stream(3);
    for (float& weight : network->parameters()) {
        weight = stream.symmetric(0.5f);
    }
    const std::shared_ptr<const NeuralNetwork> shared = network;
    auto workspace = makeNeuralWorkspace();
    int index = 0;
    for (RollCase& c : test::randomCases(100, 6)) {
        NeuralEngine engine(shared, index++ % 3, boardFor(c), c.side, 60000, workspace.get());
        const test::AllocationWatch watch;
        float sink = cubelessEquity(chancesOnRoll(*shared, c.position, c.side));
        generatePlays(workspace->list, c.position, c.side, c.die1, c.die2);
        sink += bestPlayOfRoll(*shared, workspace->list, c.position, c.side, c.die1, c.die2).equity;
        sink += chancesOneRollAhead(*shared, c.position, c.side, workspace->replies)[kWin];
        engine.run();
        observedEquity = sink;
        ASSERT_EQ(watch.stats().count, 0u);
    }
}

} // namespace
} // namespace vh
