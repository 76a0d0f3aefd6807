#include "match/human_player.h"
#include "tests/match/game_fixture.h"

#include <sstream>

namespace vh::test {
namespace {

using HumanPlayerTest = GameFixture;

TEST_F(HumanPlayerTest, MarksDiceUsedSlotBySlot) {
    BoardRecord board;
    HeadlessStage stage(board);
    HumanPlayer player(0, "Ann", [] { return GameSettings{}; });
    // Each step "value+slot" marks a die used, "value-slot" frees it; the
    // slot is what the player answers (-1: none).
    const struct {
        int die1;
        int die2;
        const char* steps;
    } cases[] = {
        {6, 3, "6+0 6+-1 3+1 6-0 4+-1"},
        {4, 4, "4+0 4+1 4+2 4+3 4+4 4-0 5+-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        board.die1 = c.die1;
        board.die2 = c.die2;
        player.startTurn(stage, {});
        std::istringstream steps(c.steps);
        int value = 0;
        char sign = 0;
        int slot = 0;
        while (steps >> value >> sign >> slot) {
            EXPECT_EQ(player.markDieUsed(value, sign == '+', board), slot) << value << sign;
        }
    }
}

using RestartTest = GameFixture;

// Restarted while paused after two turns, then during the replay of an undo.
TEST_F(RestartTest, KeepsThePlayersFirstSideAndPauseAndDropsAReplay) {
    auto manager = startGame(timedSettings(settingsFor(false, "Ann", false, "Bob"), 2), 44);
    const int first = manager->firstSide();
    playHumanTurn(*manager);
    playHumanTurn(*manager);
    manager->pause();
    manager->restartGame();
    EXPECT_EQ(manager->state(), GameState::Paused);
    EXPECT_EQ(manager->currentSide(), first);
    EXPECT_EQ(manager->turnsPlayed(), 0);
    EXPECT_EQ(manager->player(0)->name(), "Ann");
    EXPECT_TRUE(samePlacement(manager->board().position, startPosition()));
    EXPECT_EQ(manager->board().cubeValue, 1);
    EXPECT_EQ(manager->history().cursor(), 0);
    const std::uint32_t clock = *manager->clockValue(first);
    now_ += 10000;
    step(*manager);
    manager->resume();
    step(*manager);
    EXPECT_EQ(manager->clockValue(first), clock) << "not charged while paused";

    playHumanTurn(*manager);
    manager->undo();
    ASSERT_EQ(manager->state(), GameState::UndoAnimating);
    step(*manager);
    manager->restartGame();
    EXPECT_EQ(manager->state(), GameState::Playing);
    EXPECT_TRUE(samePlacement(manager->board().position, startPosition()));
    step(*manager);
    EXPECT_TRUE(samePlacement(manager->board().position, startPosition())) << "no stale animation";
}

} // namespace
} // namespace vh::test
