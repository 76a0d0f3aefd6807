#include "ai/play_ordering.h"
#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "tests/support/random_positions.h"
#include "tests/support/reference_search.h"

#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

// Highest total first, equal totals in list order: the order of the bubble
// sort the ordering first was (neighbours swapped only on a strictly lower
// total), which the stable sort must give exactly.
TEST(PlayOrdering, SameOrderAndTotalsAsTheBubbleSort) {
    auto list = std::make_unique<PlayList>();
    auto bubbled = std::make_unique<PlayList>();
    std::vector<ScoredPlay> order;
    int index = 0;
    int ties = 0;
    for (RollCase& c : test::randomCases(800, 5)) {
        const std::int32_t paramB = index++ % 2;
        const BoardPosition before = c.position;
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        if (list->count > 1500) {
            continue;
        }
        *bubbled = *list;
        test::bubbleOrder(*bubbled, c.position, c.side, paramB);
        orderPlays(*list, c.position, c.side, paramB, order);
        ASSERT_TRUE(samePlacement(c.position, before)) << "the working position is restored";
        ASSERT_EQ(static_cast<std::int32_t>(order.size()), list->count);
        for (std::int32_t rank = 0; rank < list->count; ++rank) {
            const ScoredPlay& scored = order[static_cast<std::size_t>(rank)];
            ASSERT_TRUE(samePlay((*list)[scored.index], (*bubbled)[rank]))
                << "rank " << rank << ": " << formatPlay((*bubbled)[rank]);
            BoardPosition after = before;
            applyPlay((*list)[scored.index], after);
            ASSERT_EQ(scored.total, evaluate(after, c.side, paramB).total());
            ties +=
                rank > 0 && order[static_cast<std::size_t>(rank) - 1].total == scored.total ? 1 : 0;
        }
    }
    EXPECT_GT(ties, 1000) << "doubles list every play twice, so ties abound";
}

} // namespace
} // namespace vh
