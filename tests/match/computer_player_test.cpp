#include "ai/computer_player.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"

#include <chrono>
#include <thread>

namespace vh::test {
namespace {

// A position full of contact, where a two-ply search with a long budget takes
// far longer than a test may wait.
const BoardPosition kBusy =
    placedPosition("0=-2 2=1 3=1 4=2 5=3 6=1 8=1 9=1 11=-4 12=3 16=-3 18=-4 20=1 22=1");

class ComputerPlayerTest : public GameFixture {
protected:
    // Lighthouse (side 0) to move in the busy position, with a long budget.
    std::unique_ptr<GameManager> openBusy(int die, bool secondIsComputer) {
        thinkingBudgetMs_ = 60000;
        return openSaved(savedGameAt(kBusy, 0, die, die, "Lighthouse", true,
                                     secondIsComputer ? "Professor" : "Ann", secondIsComputer));
    }
};

TEST_F(ComputerPlayerTest, ForceMovePlaysTheBestFoundAtOnce) {
    auto manager = openBusy(6, false);
    ASSERT_TRUE(manager->isComputerThinking());
    EXPECT_EQ(manager->currentPlayer()->strength(), 2001);
    manager->forceMove();
    const auto forced = std::chrono::steady_clock::now();
    stepUntilTurnPasses(*manager);
    const auto waited = std::chrono::steady_clock::now() - forced;
    EXPECT_LT(waited, std::chrono::seconds(20)) << "a forced move must not wait for the budget";
    const Play& played = manager->player(0)->currentPlay();
    EXPECT_GT(played.count, 0);
    EXPECT_TRUE(isLegalPlay(kBusy, 0, 6, 6, played));
}

TEST_F(ComputerPlayerTest, DestroyingTheGameDuringASearchStopsAndJoinsIt) {
    for (int round = 0; round < 75; ++round) {
        auto manager = openBusy(5, true);
        if (round % 3 == 1) {
            step(*manager);
        }
        if (round % 3 == 2) {
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
        manager.reset(); // must not hang, leak or read freed memory
    }
}

TEST_F(ComputerPlayerTest, ARollThatCannotBePlayedIsForfeitWithItsMessage) {
    // The computer (side 0) has two on the bar against a closed board.
    const BoardPosition closed = placedPosition("18=-3 19=-3 20=-3 21=-2 22=-2 23=-2 24=2");
    SavedGame game = savedGameAt(closed, 0, 6, 6, "Milo", true, "Ann", false);
    game.cubeValue = 2; // not Milo's: no double before the roll
    auto manager = openSaved(game);
    EXPECT_EQ(manager->currentPlayer()->turnState(), TurnState::Complete);
    manager->step();
    ASSERT_NE(manager->pendingMessage(), nullptr);
    EXPECT_EQ(*manager->pendingMessage(),
              (Message{"Turn forfeit.",
                       "The computer player does not have a valid move with the current dice."}));
    EXPECT_TRUE(manager->panelContent(0).diceShown) << "the roll that cannot be played is shown";
    manager->step();
    EXPECT_EQ(manager->currentSide(), 0) << "the turn waits for the notice";
    manager->answer(MessageAnswer::Ok);
    EXPECT_EQ(manager->pendingMessage(), nullptr);
    EXPECT_EQ(manager->currentSide(), 1);
    EXPECT_EQ(manager->turnsPlayed(), 0);
}

TEST_F(ComputerPlayerTest, WithAnimationThePlayGlidesBeforeTheTurnEnds) {
    GameSettings settings = settingsFor(true, "Priya", false, "Ann");
    settings.completeAnimation = 1;
    const BoardPosition start = startPosition();
    auto manager = openSaved(settings, savedGameAt(start, 0, 6, 5, "Priya", true, "Ann", false));
    bool sawAnimating = false;
    for (int steps = 0; steps < 100000 && manager->currentSide() == 0; ++steps) {
        step(*manager);
        now_ += 5;
        sawAnimating = sawAnimating || manager->player(0)->turnState() == TurnState::Animating;
        if (manager->isComputerThinking()) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    EXPECT_TRUE(sawAnimating);
    EXPECT_EQ(manager->currentSide(), 1);
    BoardPosition expected = start;
    applyPlay(manager->player(0)->currentPlay(), expected);
    EXPECT_TRUE(samePlacement(manager->board().position, expected));
    EXPECT_TRUE(isLegalPlay(start, 0, 6, 5, manager->player(0)->currentPlay()));
}

} // namespace
} // namespace vh::test
