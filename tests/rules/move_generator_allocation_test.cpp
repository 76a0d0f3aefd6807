#include "rules/move_generator.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

TEST(MoveGeneratorAllocation, GeneratesWithoutTouchingTheHeap) {
    auto list = std::make_unique<PlayList>();
    std::vector<RollCase> cases = test::randomCases(3000, 99);

    {
        // The counter itself must work, or the check below proves nothing.
        static std::unique_ptr<int> kept; // kept alive, so the allocation cannot be left out
        const test::AllocationWatch probeWatch;
        kept = std::make_unique<int>(1);
        ASSERT_EQ(probeWatch.stats().count, 1u);
    }

    long plays = 0;
    const test::AllocationWatch watch;
    for (RollCase& c : cases) {
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        plays += list->count;
    }
    EXPECT_EQ(watch.stats().count, 0u);
    EXPECT_GT(plays, 0);
}

} // namespace
} // namespace vh
