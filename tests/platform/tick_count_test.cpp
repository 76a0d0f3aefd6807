#include "platform/tick_count.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vh {
namespace {

TEST(TickCount, AdvancesInMilliseconds) {
    const std::uint32_t start = tickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t elapsed = ticksBetween(start, tickCount());
    EXPECT_GE(elapsed, 30u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(TickCount, DifferencesAndDeadlinesSurviveTheWrap) {
    struct Case {
        std::uint32_t now;
        std::uint32_t deadline;
        bool after;
    };
    const Case cases[] = {
        {100, 50, true},
        {50, 100, false},
        {100, 100, false},
        {0x00000010u, 0xFFFFFFF0u, true},  // deadline just before the wrap, now just after
        {0xFFFFFFF0u, 0x00000010u, false}, // deadline just after the wrap
        {0x7FFFFFFFu, 0u, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tickIsAfter(c.now, c.deadline), c.after) << c.now << " vs " << c.deadline;
    }
    EXPECT_EQ(ticksBetween(0xFFFFFFF0u, 0x00000010u), 0x20u);
    EXPECT_EQ(ticksBetween(5u, 5u), 0u);
}

} // namespace
} // namespace vh
