#include "match/human_player.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"

#include <vector>

namespace vh::test {
namespace {

using HumanPlayerTest = GameFixture;

BoardRecord startWithSixFive() {
    BoardRecord board;
    setUpStartPosition(board);
    board.die1 = 6;
    board.die2 = 5;
    return board;
}

void expectNoHighlights(const BoardRecord& board) {
    for (const auto flag : board.highlights) {
        EXPECT_EQ(flag, kHighlightNone);
    }
}

TEST_F(HumanPlayerTest, MarksDiceUsedSlotBySlot) {
    BoardRecord board;
    HeadlessStage stage(board);
    HumanPlayer player(0, "Ann", [] { return GameSettings{}; });
    struct Step {
        int value;
        bool used;
        int slot;
    };
    struct Case {
        const char* name;
        int die1;
        int die2;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"non-double",
         6,
         3,
         {{6, true, 0}, {6, true, -1}, {3, true, 1}, {6, false, 0}, {4, true, -1}}},
        {"double",
         4,
         4,
         {{4, true, 0},
          {4, true, 1},
          {4, true, 2},
          {4, true, 3},
          {4, true, 4},
          {4, false, 0},
          {5, true, -1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        board.die1 = c.die1;
        board.die2 = c.die2;
        player.startTurn(stage, {});
        for (const Step& step : c.steps) {
            EXPECT_EQ(player.markDieUsed(step.value, step.used, board), step.slot) << step.value;
        }
    }
}

TEST_F(HumanPlayerTest, SuggestMoveHighlightsTheStartAndEndOfALegalMove) {
    BoardRecord board = startWithSixFive();
    HeadlessStage stage(board);
    HumanPlayer player(0, "Ann", [] { return GameSettings{}; });
    player.startTurn(stage, {});
    seedRandom(4);
    for (int round = 0; round < 20; ++round) {
        player.suggestMove(stage);
        std::vector<int> marked;
        for (int entry = 0; entry < kEntryCount; ++entry) {
            if (board.highlights[static_cast<std::size_t>(entry)] == kHighlightTarget) {
                marked.push_back(entry);
            }
        }
        // A move of the 5 (the last free die): 12 to 7 or 7 to 2; 23 and 5
        // have their targets closed.
        ASSERT_EQ(marked.size(), 2u);
        EXPECT_EQ(marked[1] - marked[0], 5);
        EXPECT_TRUE(marked[1] == 12 || marked[1] == 7) << marked[1];
    }
}

TEST_F(HumanPlayerTest, SuggestMoveWithNoFreeDieOrNoMoveShowsNothing) {
    BoardRecord board = startWithSixFive();
    HeadlessStage stage(board);
    HumanPlayer player(0, "Ann", [] { return GameSettings{}; });
    player.startTurn(stage, {});
    player.markDieUsed(6, true, board);
    player.markDieUsed(5, true, board);
    board.highlights[3] = kHighlightTarget;
    player.suggestMove(stage);
    expectNoHighlights(board);

    // Two on the bar against a closed entry: nothing to suggest.
    board.position = placedPosition("18=-2 24=2");
    board.die1 = board.die2 = 6;
    player.startTurn(stage, {});
    player.suggestMove(stage);
    expectNoHighlights(board);
}

using RestartTest = GameFixture;

TEST_F(RestartTest, KeepsThePlayersAndTheFirstSide) {
    GameSettings settings = settingsFor(false, "Ann", false, "Bob");
    auto manager = startGame(settings, 44);
    const int first = manager->firstSide();
    playHumanTurn(*manager);
    playHumanTurn(*manager);
    manager->restartGame();
    EXPECT_EQ(manager->currentSide(), first);
    EXPECT_EQ(manager->turnsPlayed(), 0);
    EXPECT_EQ(manager->player(0)->name(), "Ann");
    BoardPosition start;
    setStartPosition(start);
    EXPECT_TRUE(samePlacement(manager->board().position, start));
    EXPECT_EQ(manager->board().cubeValue, 1);
    EXPECT_EQ(manager->history().cursor(), 0);
}

TEST_F(RestartTest, WhilePausedLeavesTheClocksStoppedAndDuringAReplayDropsIt) {
    GameSettings settings = settingsFor(false, "Ann", false, "Bob");
    settings.useTimer = 1;
    settings.initialMinutes = 2;
    auto manager = startGame(settings, 45);
    manager->pause();
    manager->restartGame();
    EXPECT_EQ(manager->state(), GameState::Paused);
    const std::uint32_t clock = *manager->clockValue(manager->currentSide());
    now_ += 10000;
    manager->step();
    manager->resume();
    manager->step();
    EXPECT_EQ(manager->clockValue(manager->currentSide()), clock) << "not charged while paused";

    playHumanTurn(*manager);
    manager->undo();
    ASSERT_EQ(manager->state(), GameState::UndoAnimating);
    manager->step();
    manager->restartGame();
    EXPECT_EQ(manager->state(), GameState::Playing);
    BoardPosition start;
    setStartPosition(start);
    EXPECT_TRUE(samePlacement(manager->board().position, start));
    manager->step();
    EXPECT_TRUE(samePlacement(manager->board().position, start)) << "no stale animation";
}

} // namespace
} // namespace vh::test
