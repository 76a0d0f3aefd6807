#include "ai/board_summary.h"
#include "ai/lookahead_engine.h"
#include "ai/reply_expectation.h"
#include "rules/move_generator.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/random_positions.h"

#include <atomic>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <new>

namespace vh {
namespace {

long countAllocations(const std::function<void()>& work) {
    const test::AllocationWatch watch;
    work();
    return static_cast<long>(watch.stats().count);
}

TEST(SearchAllocation, TheCounterCounts) {
    static std::unique_ptr<int> kept; // kept alive, so the allocation cannot be left out
    EXPECT_EQ(countAllocations([] { kept = std::make_unique<int>(1); }), 1);
}

TEST(SearchAllocation, EvaluationAndReplyScoringNeverAllocate) {
    auto list = std::make_unique<PlayList>();
    EvaluationCache cache;
    for (RollCase& c : test::randomCases(300, 4)) {
        SearchStatistics statistics;
        const long used = countAllocations([&] {
            Evaluation sink = evaluate(c.position, c.side, 1);
            const BoardSummary summary = summarize(c.position);
            generatePlays(*list, c.position, c.side, c.die1, c.die2);
            for (const Play& play : *list) {
                sink = evaluateAfterPlay(summary, c.position, play, c.side, c.side, 1);
            }
            sink = expectedBestReply(*list, cache, c.position, c.side, 1, statistics);
            EXPECT_GE(sink.total(), std::numeric_limits<std::int64_t>::min());
        });
        ASSERT_EQ(used, 0);
    }
}

// The whole search runs on the lists of the workspace it is lent: the only
// allocation left is the root ordering's sort buffer, however many nodes the
// search visits. It also runs here, on the main thread, whose stack could not
// hold even two play lists.
TEST(SearchAllocation, ATwoPlySearchAllocatesNothingPerNode) {
    auto workspace = makeSearchWorkspace();
    int searched = 0;
    for (const RollCase& c : test::randomCases(60, 5)) {
        BoardRecord board;
        board.position = c.position;
        board.die1 = c.die1;
        board.die2 = c.die2;
        LookaheadEngine engine({2001, 0, 0}, board, c.side, 60000, EngineTask::ChoosePlay,
                               workspace.get());
        const long used = countAllocations([&] { engine.run(); });
        EXPECT_LE(used, 1) << "generations " << engine.statistics().generations;
        searched += engine.statistics().generations > 1 ? 1 : 0;
    }
    EXPECT_GT(searched, 40);
}

} // namespace
} // namespace vh
