#include "rules/side.h"
#include "tests/match/game_fixture.h"

#include <vector>

namespace vh::test {
namespace {

using UndoRedoTest = GameFixture;

struct Snapshot {
    BoardPosition position;
    int side;
    int die1;
    int die2;
    int turnsPlayed;
};

Snapshot snapshotOf(const GameManager& manager) {
    return {manager.board().position, manager.currentSide(), manager.board().die1,
            manager.board().die2, manager.turnsPlayed()};
}

void expectSame(const Snapshot& actual, const Snapshot& expected) {
    EXPECT_TRUE(samePlacement(actual.position, expected.position));
    EXPECT_EQ(actual.side, expected.side);
    EXPECT_EQ(actual.die1, expected.die1);
    EXPECT_EQ(actual.die2, expected.die2);
    EXPECT_EQ(actual.turnsPlayed, expected.turnsPlayed);
}

TEST_F(UndoRedoTest, BetweenHumansEachUndoTakesBackOneTurnAndRedoReplaysIt) {
    GameSettings settings = settingsFor(false, "Ann", false, "Bob");
    auto manager = startGame(settings, 11);
    std::vector<Snapshot> before;
    for (int turn = 0; turn < 6; ++turn) {
        before.push_back(snapshotOf(*manager));
        playHumanTurn(*manager, turn * 7);
        ASSERT_FALSE(HasFatalFailure());
    }
    const Snapshot end = snapshotOf(*manager);
    for (int turn = 5; turn >= 2; --turn) {
        ASSERT_TRUE(manager->canUndo());
        manager->undo();
        EXPECT_EQ(manager->state(), GameState::UndoAnimating);
        stepUntilPlaying(*manager);
        expectSame(snapshotOf(*manager), before[static_cast<std::size_t>(turn)]);
    }
    for (int turn = 3; turn <= 6; ++turn) {
        ASSERT_TRUE(manager->canRedo());
        manager->redo();
        stepUntilPlaying(*manager);
        expectSame(snapshotOf(*manager), turn < 6 ? before[static_cast<std::size_t>(turn)] : end);
    }
    EXPECT_FALSE(manager->canRedo());
}

TEST_F(UndoRedoTest, AgainstTheComputerOneUndoTakesBackItsReplyAndYourTurn) {
    auto manager = startGame(settingsFor(false, "Ann", true, "Milo"), 5);
    if (!manager->isHumanTurn()) {
        stepUntilTurnPasses(*manager);
    }
    ASSERT_TRUE(manager->isHumanTurn());
    EXPECT_FALSE(manager->canUndo());
    const Snapshot start = snapshotOf(*manager);
    playHumanTurn(*manager, 3);
    stepUntilTurnPasses(*manager); // the computer's reply
    ASSERT_TRUE(manager->isHumanTurn());
    ASSERT_TRUE(manager->canUndo());
    manager->undo();
    stepUntilPlaying(*manager);
    expectSame(snapshotOf(*manager), start);
    EXPECT_TRUE(manager->isHumanTurn());

    manager->redo();
    stepUntilPlaying(*manager);
    EXPECT_EQ(manager->turnsPlayed(), start.turnsPlayed + 2);
    EXPECT_TRUE(manager->isHumanTurn());
}

TEST_F(UndoRedoTest, UndoingAHitBringsTheCheckerBackFromTheBar) {
    // Ann (side 0) on 10, a single Bob checker on 7: 3-1 hits with the 3.
    const std::array<int, kEntryCount> hit = {0, 0, 0, 0, 0, 0, 0,   -1, 0, 0, 1, 0, 0,  0,
                                              0, 0, 0, 0, 0, 0, -14, 0,  0, 0, 0, 0, 14, 0};
    auto manager = openSaved(settingsFor(false, "Ann", false, "Bob"),
                             savedGameAt(hit, 0, 3, 1, "Ann", false, "Bob", false));
    const Snapshot start = snapshotOf(*manager);
    auto* ann = dynamic_cast<HumanPlayer*>(manager->currentPlayer());
    ann->playMove(manager->stage(), {3, 10, 7, 1});
    ann->playMove(manager->stage(), {1, 7, 6, 0});
    stepUntilTurnPasses(*manager);
    ASSERT_EQ(manager->board().position[BAR_TWO].count, 1);
    manager->undo();
    stepUntilPlaying(*manager);
    expectSame(snapshotOf(*manager), start);
    EXPECT_EQ(manager->board().position[7], (BoardEntry{1, PLAYER_TWO}));
    EXPECT_EQ(manager->board().position[BAR_TWO].count, 0);
}

TEST_F(UndoRedoTest, UndoingUnfinishedMovesKeepsTheCountAndDropsWhatCouldBeRedone) {
    auto manager = startGame(settingsFor(false, "Ann", false, "Bob"), 21);
    playHumanTurn(*manager);
    playHumanTurn(*manager);
    const Snapshot beforeThird = snapshotOf(*manager);
    manager->undo();
    stepUntilPlaying(*manager);
    ASSERT_TRUE(manager->canRedo());

    // The replayed turn: one checker moved, then taken back again.
    auto* player = dynamic_cast<HumanPlayer*>(manager->currentPlayer());
    BoardPosition working = manager->board().position;
    auto plays = std::make_unique<PlayList>();
    generatePlays(*plays, working, manager->currentSide(), manager->board().die1,
                  manager->board().die2);
    ASSERT_GT(plays->count, 0);
    const Snapshot replayed = snapshotOf(*manager);
    player->playMove(manager->stage(), (*plays)[0].moves[0]);
    manager->step();
    EXPECT_FALSE(manager->canRedo()) << "the turn being made replaces the one to redo";
    EXPECT_TRUE(manager->canUndo());
    manager->undo();
    stepUntilPlaying(*manager);
    expectSame(snapshotOf(*manager), replayed);
    EXPECT_EQ(manager->turnsPlayed(), replayed.turnsPlayed)
        << "unfinished moves were never counted";
    EXPECT_FALSE(manager->canRedo());
    (void)beforeThird;
}

TEST_F(UndoRedoTest, NothingToTakeBackDoesNothing) {
    auto manager = startGame(settingsFor(false, "Ann", false, "Bob"), 2);
    EXPECT_FALSE(manager->canUndo());
    EXPECT_FALSE(manager->canRedo());
    manager->undo();
    manager->redo();
    EXPECT_EQ(manager->state(), GameState::Playing);
}

} // namespace
} // namespace vh::test
