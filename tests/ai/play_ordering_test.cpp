#include "ai/play_ordering.h"
#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "tests/support/random_positions.h"
#include "tests/support/reference_search.h"

#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

TEST(PlayOrdering, HighestTotalFirstAndEqualTotalsInListOrder) {
    auto list = std::make_unique<PlayList>();
    std::vector<ScoredPlay> order;
    int ties = 0;
    for (RollCase& c : test::randomCases(800, 5)) {
        const BoardPosition before = c.position;
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        orderPlays(*list, c.position, c.side, 1, order);
        ASSERT_TRUE(samePlacement(c.position, before)) << "the working position is restored";
        ASSERT_EQ(static_cast<std::int32_t>(order.size()), list->count);
        std::vector<bool> seen(order.size(), false);
        for (std::size_t rank = 0; rank < order.size(); ++rank) {
            const ScoredPlay& scored = order[rank];
            ASSERT_FALSE(seen[static_cast<std::size_t>(scored.index)]);
            seen[static_cast<std::size_t>(scored.index)] = true;
            BoardPosition after = before;
            applyPlay((*list)[scored.index], after);
            ASSERT_EQ(scored.total, evaluate(after, c.side, 1).total());
            if (rank == 0) {
                continue;
            }
            const ScoredPlay& previous = order[rank - 1];
            ASSERT_GE(previous.total, scored.total);
            if (previous.total == scored.total) {
                ASSERT_LT(previous.index, scored.index) << "equal totals keep their list order";
                ++ties;
            }
        }
    }
    EXPECT_GT(ties, 1000) << "doubles list every play twice, so ties abound";
}

// The ordering was first a bubble sort swapping neighbours only on a strictly
// lower total; the stable sort must give the very same order.
TEST(PlayOrdering, SameOrderAsTheBubbleSort) {
    auto list = std::make_unique<PlayList>();
    auto bubbled = std::make_unique<PlayList>();
    std::vector<ScoredPlay> order;
    int compared = 0;
    for (RollCase& c : test::randomCases(500, 6)) {
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        if (list->count > 1500) {
            continue;
        }
        *bubbled = *list;
        test::bubbleOrder(*bubbled, c.position, c.side, 0);
        orderPlays(*list, c.position, c.side, 0, order);
        for (std::int32_t rank = 0; rank < list->count; ++rank) {
            ASSERT_TRUE(
                samePlay((*list)[order[static_cast<std::size_t>(rank)].index], (*bubbled)[rank]))
                << "rank " << rank << ": " << formatPlay((*bubbled)[rank]);
        }
        ++compared;
    }
    EXPECT_GT(compared, 450);
}

} // namespace
} // namespace vh
