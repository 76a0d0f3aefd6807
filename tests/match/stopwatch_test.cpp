#include "match/stopwatch.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(Stopwatch, CountsUpOnlyWhileStarted) {
    Stopwatch gameTime;
    EXPECT_TRUE(gameTime.stopped());
    EXPECT_EQ(gameTime.advanceUp(500), 0u);
    gameTime.start(1000);
    EXPECT_EQ(gameTime.advanceUp(1400), 400u);
    EXPECT_EQ(gameTime.advanceUp(1500), 500u);
    gameTime.stop(1600);
    EXPECT_EQ(gameTime.advanceUp(9000), 500u) << "a paused game is not charged";
    gameTime.start(10000);
    EXPECT_EQ(gameTime.advanceUp(10250), 750u);
}

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

TEST(ReadClock, SplitsMinutesAndSeconds) {
    struct Case {
        std::uint32_t ms;
        std::uint32_t minutes;
        std::uint32_t seconds;
    };
    const Case cases[] = {{0, 0, 0},       {999, 0, 0},     {65000, 1, 5},     {599000, 9, 59},
                          {600000, 10, 0}, {605000, 10, 5}, {7199999, 119, 59}};
    for (const Case& c : cases) {
        const ClockReading reading = readClock(c.ms);
        EXPECT_EQ(reading.minutes, c.minutes) << c.ms;
        EXPECT_EQ(reading.seconds, c.seconds) << c.ms;
    }
}

} // namespace
} // namespace vh
