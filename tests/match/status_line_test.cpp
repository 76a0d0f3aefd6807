#include "match/command_states.h"
#include "match/status_text.h"
#include "tests/match/game_fixture.h"

namespace vh::test {
namespace {

TEST(StatusText, GameTimeAndTurnTexts) {
    struct Case {
        std::uint32_t ms;
        const char* gameTime;
        const char* turn; // for "Ann" with this much left on her clock
    };
    const Case cases[] = {
        {0, "Game Time 00:00", "Ann's turn"},
        {999, "Game Time 00:00", "Ann's turn - Time Remaining 0:00"},
        {(9 * 60 + 5) * 1000, "Game Time 09:05", "Ann's turn - Time Remaining 9:05"},
        {(2 * 60 + 7) * 1000 + 500, "Game Time 02:07", "Ann's turn - Time Remaining 2:07"},
        {(10 * 60 + 10) * 1000, "Game Time 10:10", "Ann's turn - Time Remaining 10:10"},
        {100 * 60 * 1000, "Game Time 100:00", "Ann's turn - Time Remaining 100:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gameTimeText(c.ms), c.gameTime) << c.ms;
        EXPECT_EQ(turnText("Ann", c.ms), c.turn) << c.ms;
    }
    // Names are kept in the data files' code page; the screen gets UTF-8.
    EXPECT_EQ(turnText("Zo\xEB", 0), "Zo\u00EB's turn");
    EXPECT_EQ(turnsPlayedText(12), "Turns Played: 12");
}

using StatusLineTest = GameFixture;

TEST_F(StatusLineTest, CommandsFollowTheGame) {
    EXPECT_EQ(commandStates(nullptr), CommandStates{});
    EXPECT_EQ(nextPassDelayMs(nullptr), kQuietPassMs);

    // A human (side 0) against a computer, the human to move.
    auto manager = openSaved(savedGameAt(startPosition(), 0, 6, 1, "Ann", false, "Milo", true));
    manager->pressDiceCup();
    step(*manager);

    CommandStates humanToMove;
    humanToMove.bestMoves = humanToMove.review = true; // any game being played
    humanToMove.restart = humanToMove.pause = humanToMove.save = humanToMove.suggest = true;
    EXPECT_EQ(commandStates(manager.get()), humanToMove);

    auto* human = dynamic_cast<HumanPlayer*>(manager->currentPlayer());
    ASSERT_NE(human, nullptr);
    human->playMove(manager->stage(), {6, 12, 6, 0});
    step(*manager);
    CommandStates humanMoved = humanToMove;
    humanMoved.save = false;
    humanMoved.undo = true;
    EXPECT_EQ(commandStates(manager.get()), humanMoved);

    manager->pause();
    CommandStates paused;
    paused.bestMoves = paused.review = true; // any game being played
    paused.restart = paused.resume = true;
    EXPECT_EQ(commandStates(manager.get()), paused);
    EXPECT_EQ(nextPassDelayMs(manager.get()), kQuietPassMs);
    manager->resume();

    human->playMove(manager->stage(), {1, 6, 5, 0});
    step(*manager); // the turn ends; the computer starts thinking
    ASSERT_TRUE(manager->isComputerThinking());
    CommandStates thinking;
    thinking.bestMoves = thinking.review = true; // any game being played
    thinking.restart = thinking.force = true;
    EXPECT_EQ(commandStates(manager.get()), thinking);
    EXPECT_EQ(nextPassDelayMs(manager.get()), kBusyPassMs);
    EXPECT_EQ(statusTexts(*manager).turn, "Milo's turn");
}

TEST_F(StatusLineTest, AHumanToMoveWaitsForTheNextSecondOnEitherClock) {
    GameSettings settings = timedSettings(settingsFor(false, "Ann", false, "Bob"), 2);
    settings.stoneColourA = 3; // red against black
    auto manager = startGame(settings, 5);
    now_ += 300;
    step(*manager);
    // 300 ms of game time: 700 until it reads a second; the clock (2:00 plus
    // nothing per move, 300 gone) changes its reading in 701.
    EXPECT_EQ(nextPassDelayMs(manager.get()), 700u);
    const StatusTexts texts = statusTexts(*manager);
    EXPECT_EQ(texts.gameTime, "Game Time 00:00");
    EXPECT_EQ(texts.turns, "Turns Played: 0");
    const std::string name = manager->currentPlayer()->name();
    EXPECT_EQ(texts.turn, name + " won the opening roll - " + name +
                              "'s turn - Time Remaining 1:59 - Ann plays Red, Bob plays Black");
    now_ += 650;
    step(*manager);
    EXPECT_EQ(nextPassDelayMs(manager.get()), 50u);

    manager->pressDiceCup();
    now_ += 600;
    step(*manager);
    ASSERT_TRUE(manager->coachRequest() && manager->coachRequest()->rolled());
    ASSERT_TRUE(manager->playForHuman(legalPlays(*manager)[0]));
    EXPECT_EQ(nextPassDelayMs(manager.get()), kBusyPassMs) << "the coach's play glides";
}

} // namespace
} // namespace vh::test
