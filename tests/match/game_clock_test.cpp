#include "ai/computer_player.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"

namespace vh::test {
namespace {

using GameClockTest = GameFixture;

TEST_F(GameClockTest, TheSideToMoveRunsDownAndOnlyTheFirstGetsTheCredit) {
    auto manager = startGame(timedSettings(settingsFor(false, "Ann", false, "Bob"), 1, 0, 10), 31);
    const int first = manager->currentSide();
    const int second = otherSide(first);
    EXPECT_EQ(manager->clockValue(first), 70000u);
    EXPECT_EQ(manager->clockValue(second), 60000u);
    now_ += 2500;
    step(*manager);
    EXPECT_EQ(manager->clockValue(first), 67500u);
    EXPECT_EQ(manager->remainingTime(), 67500u);
    EXPECT_EQ(manager->gameTime(), 2500u);

    manager->pause();
    now_ += 100000;
    step(*manager);
    EXPECT_EQ(manager->clockValue(first), 67500u) << "a paused game is not charged";
    manager->resume();
    now_ += 500;
    step(*manager);
    EXPECT_EQ(manager->clockValue(first), 67000u);
    EXPECT_EQ(manager->gameTime(), 3000u);

    playHumanTurn(*manager);
    const std::uint32_t firstAfterTurn = *manager->clockValue(first);
    now_ += 1000;
    step(*manager);
    EXPECT_EQ(manager->clockValue(first), firstAfterTurn) << "stopped after its turn";
    EXPECT_LT(*manager->clockValue(second), 60000u) << "no credit for the second side";
}

TEST_F(GameClockTest, ARunOutClockStaysAtZeroAndTheGameGoesOn) {
    auto manager = startGame(timedSettings(settingsFor(false, "Ann", false, "Bob"), 0), 8);
    const int first = manager->currentSide();
    EXPECT_EQ(manager->clockValue(first), 0u);
    EXPECT_EQ(manager->clockValue(otherSide(first)), 0u);
    now_ += 5000;
    step(*manager);
    EXPECT_EQ(manager->clockValue(first), 0u);
    playHumanTurn(*manager);
    playHumanTurn(*manager);
    EXPECT_EQ(manager->turnsPlayed(), 2);
    EXPECT_TRUE(messages_.shown().empty()) << "running out of time is not announced";
}

TEST_F(GameClockTest, TheComputersThinkingTimeFollowsTheClock) {
    EXPECT_EQ(thinkingBudget(false, 5000, 10), 60000u);
    EXPECT_EQ(thinkingBudget(true, 31000, 10), 30000u);
    EXPECT_EQ(thinkingBudget(true, 600000, 0), 12000u);
    EXPECT_EQ(thinkingBudget(true, 800, 10), 0u) << "less than a second left";
    EXPECT_EQ(thinkingBudget(true, 0, 0), 0u);
}

} // namespace
} // namespace vh::test
