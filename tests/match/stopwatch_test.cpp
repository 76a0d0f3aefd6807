#include "match/stopwatch.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(Stopwatch, CountsDownToZeroAndStaysThere) {
    Stopwatch clock;
    clock.set(5000);
    EXPECT_TRUE(clock.advanceDown(123456)) << "a stopped clock does not run";
    EXPECT_EQ(clock.get(), 5000u);
    clock.start(100);
    EXPECT_TRUE(clock.advanceDown(2100));
    EXPECT_EQ(clock.get(), 3000u);
    clock.add(1000);
    EXPECT_TRUE(clock.advanceDown(2100));
    EXPECT_EQ(clock.get(), 4000u);
    EXPECT_FALSE(clock.advanceDown(6100)) << "exactly used up is out of time";
    EXPECT_EQ(clock.get(), 0u);
    EXPECT_FALSE(clock.advanceDown(7000));
    EXPECT_EQ(clock.get(), 0u);
}

TEST(Stopwatch, SurvivesTheWrapOfTheTickCounter) {
    Stopwatch up;
    up.start(0xFFFFFF00u);
    EXPECT_EQ(up.advanceUp(0x00000100u), 0x200u);
    EXPECT_EQ(up.advanceUp(0xFFFFFFFFu), 0x200u + 0xFFFFFEFFu);

    Stopwatch down;
    down.set(60000);
    down.start(0xFFFFFFFFu);
    EXPECT_TRUE(down.advanceDown(999u));
    EXPECT_EQ(down.get(), 59000u);
}

} // namespace
} // namespace vh
