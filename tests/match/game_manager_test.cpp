#include "match/command_states.h"
#include "match/money.h"
#include "platform/program_folders.h"
#include "platform/text_encoding.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"

#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>

namespace vh::test {
namespace {

using GameManagerTest = GameFixture;

// Side 0 (a human) has one checker left on its one point; side 1 has borne
// nothing off and sits far from side 0's home: bearing it off wins a gammon.
const BoardPosition kOneCheckerToGo = placedPosition("0=1 12=-5 13=-5 14=-5");

TEST_F(GameManagerTest, TheOpeningRollDecidesWhoStartsAndIsNeverADouble) {
    int firstSides[2] = {0, 0};
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        auto manager = startGame(settingsFor(false, "Ann", true, "Milo"), seed);
        ++firstSides[manager->firstSide()];
        ASSERT_GT(manager->board().die1, manager->board().die2) << "the winner's die is higher";
        ASSERT_TRUE(manager->isOpeningTurn());
        ASSERT_FALSE(manager->canOfferDouble()) << "nobody doubles before the opening roll";
        ASSERT_FALSE(manager->player(1)->doubleWanted());
    }
    EXPECT_GT(firstSides[0], 75);
    EXPECT_GT(firstSides[1], 75);
}

// How a game between two computers must have been announced.
void checkComputerGameEnd(const GameManager* manager, const RecordingMessageBoxes& messages_,
                          const RecordingSoundPlayer& sounds_) {
    const int winner = manager->winner();
    ASSERT_TRUE(winner == 0 || winner == 1);
    ASSERT_FALSE(messages_.shown().empty());
    const Message& last = messages_.shown().back();
    if (manager->board().position[offEntry(winner)].count == 15) {
        EXPECT_EQ(manager->amount(),
                  manager->board().cubeValue * 5 * static_cast<int>(manager->resultKind()));
        EXPECT_EQ(last.caption, "Match Lost!") << "two computers: the loser is told";
        EXPECT_EQ(last.text.rfind("Sorry " + manager->player(otherSide(winner))->name(), 0), 0u);
        ASSERT_EQ(sounds_.played().size(), 1u);
        EXPECT_EQ(sounds_.played()[0], dataPath("Sounds/Lose.wav"));
    } else {
        // A double was refused: the offering side wins a single game.
        EXPECT_EQ(manager->amount(), manager->board().cubeValue * 5);
        EXPECT_EQ(last.caption, "Match Won!");
        EXPECT_EQ(last.text.rfind("Congratulations " + manager->player(winner)->name(), 0), 0u);
        EXPECT_TRUE(sounds_.played().empty());
    }
}

TEST_F(GameManagerTest, ComputersPlayLegalGamesToTheirEndFileNothingAndSaveTheStore) {
    PlayerRecord created;
    created.name = "Ann"; // created since the store was last written
    store_.addPlayer(created);
    for (std::uint32_t seed : {7u, 8u, 9u, 10u}) {
        SCOPED_TRACE(seed);
        messages_.clear();
        sounds_ = RecordingSoundPlayer();
        auto manager = startGame(settingsFor(true, "Milo", true, "Greta"), seed);
        while (manager->state() != GameState::GameOver) {
            const BoardPosition before = manager->board().position;
            const int side = manager->currentSide();
            const int die1 = manager->board().die1;
            const int die2 = manager->board().die2;
            stepUntilTurnPasses(*manager);
            ASSERT_FALSE(HasFatalFailure());
            if (manager->state() == GameState::GameOver && manager->currentSide() == side) {
                break; // a refused double ends the game without a play
            }
            ASSERT_TRUE(
                isLegalPlay(before, side, die1, die2, manager->player(side)->currentPlay()));
        }
        checkComputerGameEnd(manager.get(), messages_, sounds_);
    }
    const PlayerStore reread = savedStore();
    ASSERT_EQ(reread.count(), 1);
    EXPECT_EQ(reread.playerAt(0)->name, "Ann");
    EXPECT_EQ(reread.playerAt(0)->historyCount(), 0);
}

TEST_F(GameManagerTest, BearingOffTheLastCheckerWinsAGammonAndFilesIt) {
    auto manager = openSaved(savedGameAt(kOneCheckerToGo, 0, 6, 5, "Ann", false, "Greta", true));
    playHumanTurn(*manager);
    ASSERT_EQ(manager->state(), GameState::GameOver);
    EXPECT_EQ(manager->winner(), 0);
    EXPECT_EQ(manager->resultKind(), ResultKind::Gammon);
    EXPECT_EQ(manager->amount(), 10);
    EXPECT_EQ(messages_.texts().back(), "Congratulations Ann, you have won the "
                                        "match with a Gammon! You have won $10.");
    EXPECT_EQ(messages_.shown().back().caption, "Match Won!");
    EXPECT_EQ(sounds_.played(), std::vector{dataPath("Sounds/Win.wav")});
    const PlayerStore reread = savedStore();
    const PlayerRecord* ann = reread.findPlayer("Ann");
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(ann->gamesPlayed, 1);
    EXPECT_EQ(ann->gamesWon, 1);
}

TEST_F(GameManagerTest, AHumanWithoutAMoveIsToldAfterThePressOnTheCupAndKeepsTheMovesMade) {
    const struct {
        const char* name;
        const char* position;
        int die1, die2;
        std::vector<CheckerMove> moves; // before no move is left
    } cases[] = {
        // 6-5 for a lone checker on point 12: the 6 is blocked either way, the
        // 5 goes to 7 and then the 6 is blocked too.
        {"part of the roll", "1=-2 6=-2 12=1 20=-11", 6, 5, {{5, 12, 7, 0}}},
        {"two on the bar against a closed board", "18=-3 19=-3 20=-3 21=-2 22=-2 23=-2 24=2", 6, 6,
         std::vector<CheckerMove>{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages_.clear();
        auto manager = openSaved(savedGameAt(placedPosition(c.position), 0, c.die1, c.die2), false);
        for (int i = 0; i < 5; ++i) {
            step(*manager);
        }
        EXPECT_TRUE(messages_.shown().empty());
        manager->pressDiceCup();
        for (const CheckerMove& move : c.moves) {
            dynamic_cast<HumanPlayer&>(*manager->currentPlayer()).playMove(manager->stage(), move);
        }
        stepUntilTurnPasses(*manager);
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].caption, "No Move");
        EXPECT_EQ(messages_.texts()[0], "You don't have a valid move with the "
                                        "current dice.  Your turn is forfeit.");
        EXPECT_EQ(manager->currentSide(), 1);
        const int moved = static_cast<int>(c.moves.size());
        EXPECT_EQ(manager->turnsPlayed(), moved) << "a turn without moves is not counted";
        ASSERT_EQ(manager->history().cursor(), moved);
        if (moved > 0) {
            EXPECT_EQ(manager->history().playAt(0)->count, moved);
            EXPECT_EQ(manager->board().position[7].count, 1);
        }
    }
}

TEST_F(GameManagerTest, APressedCupShowsTheRollAfterTheRattleUnlessTheGameMovesOn) {
    GameEnvironment environment = environmentFor(settingsFor(false, "Ann", false, "Bob"));
    environment.revealDiceAtOnce = false;
    environment.diceRevealMs = 500;
    GameManager manager(environment);
    manager.newGame();
    manager.pause();
    EXPECT_FALSE(manager.pressDiceCup()) << "the cup does nothing while paused";
    manager.resume();
    ASSERT_TRUE(manager.pressDiceCup());
    EXPECT_FALSE(manager.pressDiceCup()) << "a second press while the dice rattle";
    now_ += 499;
    step(manager);
    EXPECT_FALSE(manager.diceShown());
    now_ += 1;
    step(manager);
    EXPECT_TRUE(manager.diceShown());
    EXPECT_FALSE(manager.pressDiceCup()) << "the roll is on show";
    EXPECT_EQ(sounds_.played().size(), 1u);

    manager.restartGame();
    ASSERT_TRUE(manager.pressDiceCup());
    manager.restartGame();
    now_ += 500;
    step(manager);
    EXPECT_FALSE(manager.diceShown()) << "the new game's roll waits for its own press";
}

TEST_F(GameManagerTest, ARefusedDoubleEndsTheGameAtTheCubeValueAnAcceptedOneHandsTheCubeOver) {
    // One name outside ASCII: the boxes show it in UTF-8, whoever offers.
    auto game = startGame(settingsFor(false, "Ann", false, "Zo\xEB"), 3, false);
    GameManager& manager = *game;
    playHumanTurn(manager);
    const int offering = manager.currentSide();
    const std::string name = utf8FromWindows1252(manager.currentPlayer()->name());
    ASSERT_TRUE(manager.canOfferDouble());
    manager.offerDouble();
    EXPECT_FALSE(manager.canOfferDouble());
    step(manager);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0],
              (Message{"Double Cube",
                       name + " has offered to double the stakes of the game.  If you accept "
                              "the new stakes will be $10.",
                       MessageButtons::YesNo}));
    EXPECT_EQ(manager.board().cubeValue, 2);
    EXPECT_EQ(manager.cubeOwner(), otherSide(offering));
    EXPECT_EQ(manager.stage().cubeOwner(), otherSide(offering)) << "drawn on its side";
    EXPECT_EQ(manager.state(), GameState::Playing);
    playHumanTurn(manager);
    // Now the cube belongs to the side to move: it may redouble.
    EXPECT_TRUE(manager.canOfferDouble());
    messages_.queueAnswer(MessageAnswer::No);
    manager.offerDouble();
    step(manager);
    EXPECT_EQ(manager.state(), GameState::GameOver);
    EXPECT_EQ(manager.winner(), manager.currentSide());
    EXPECT_EQ(manager.amount(), 10) << "the cube at 2 times the bet";
    EXPECT_EQ(messages_.texts().back(),
              "Congratulations " +
                  utf8FromWindows1252(manager.player(otherSide(offering))->name()) +
                  ", you have won the match! You have won $10.");
    for (const std::filesystem::path& sound : sounds_.played()) {
        EXPECT_EQ(sound.filename().string().rfind("Dice", 0), 0u) << "only the cup: " << sound;
    }
    manager.restartGame();
    EXPECT_EQ(manager.stage().cubeOwner(), -1) << "the cube is centred again";
}

TEST_F(GameManagerTest, TheDoubleIsOfferedWhileTheRollIsUnderTheCupOnly) {
    auto manager = openSaved(savedGameAt(startPosition(), 0, 6, 1), false);
    EXPECT_TRUE(manager->canOfferDouble());
    EXPECT_FALSE(commandStates(manager.get()).suggest) << "no hint for a hidden roll";
    ASSERT_TRUE(manager->coachRequest());
    EXPECT_FALSE(manager->coachRequest()->rolled()) << "the coach is not told a hidden roll";
    manager->pressDiceCup();
    EXPECT_FALSE(manager->canOfferDouble());
    manager->offerDouble();
    step(*manager);
    EXPECT_TRUE(messages_.shown().empty()) << "too late once the roll is seen";
    EXPECT_TRUE(commandStates(manager.get()).suggest);
}

TEST_F(GameManagerTest, TheComputerAnswersADoubleByTheEngine) {
    // Ann (side 0) is a few pips from home, Greta has everything left to do:
    // no computer takes that.
    const BoardPosition winning = placedPosition("0=3 1=3 2=3 3=3 4=3 12=-5 13=-5 14=-5");
    auto manager = openSaved(savedGameAt(winning, 0, 6, 5, "Ann", false, "Professor", true), false);
    manager->offerDouble();
    step(*manager);
    ASSERT_FALSE(messages_.shown().empty());
    EXPECT_EQ(messages_.shown()[0].caption, "Doubling Cube");
    EXPECT_EQ(messages_.texts()[0], "Double declined.");
    EXPECT_EQ(manager->winner(), 0);
    EXPECT_EQ(manager->amount(), 5);
}

// The computer (side 1) far ahead in a race doubles before its roll; the
// human takes ten seconds to answer.
TEST_F(GameManagerTest, AComputersRollWaitsHiddenWhileItsDoubleIsAnsweredAndNoClockRuns) {
    const BoardPosition racing = placedPosition("12=5 13=5 14=5 19=-5 20=-5 21=-5");
    const GameSettings settings = timedSettings(settingsFor(false, "Ann", true, "Priya"), 5);
    SavedGame game = savedGameAt(racing, 1, 6, 5, "Ann", false, "Priya", true);
    game.timed = true;
    game.players[0].clockMs = game.players[1].clockMs = 300000;
    auto manager = openSaved(settings, game, false);
    ASSERT_TRUE(manager->player(1)->doubleWanted());
    EXPECT_FALSE(manager->panelContent(1).diceShown);
    manager->step();
    ASSERT_NE(manager->pendingMessage(), nullptr);
    EXPECT_EQ(manager->pendingMessage()->buttons, MessageButtons::YesNo);
    const auto clocks = std::pair(manager->clockValue(0), manager->clockValue(1));
    const std::uint32_t gameTime = manager->gameTime();
    for (int second = 0; second < 10; ++second) {
        now_ += 1000;
        manager->step();
        std::this_thread::sleep_for(std::chrono::milliseconds(2)); // the search may finish
    }
    EXPECT_FALSE(manager->panelContent(1).diceShown);
    EXPECT_EQ(manager->board().position, racing) << "no play before the answer";
    EXPECT_FALSE(manager->isComputerThinking()) << "no command while the question waits";
    manager->answer(MessageAnswer::Yes);
    EXPECT_EQ(std::pair(manager->clockValue(0), manager->clockValue(1)), clocks);
    EXPECT_EQ(manager->gameTime(), gameTime);
    EXPECT_EQ(manager->board().cubeValue, 2);
    EXPECT_EQ(manager->cubeOwner(), 0);
    EXPECT_TRUE(manager->panelContent(1).diceShown);
    stepUntilTurnPasses(*manager);
    EXPECT_EQ(manager->currentSide(), 0);
    EXPECT_NE(manager->board().position, racing);
}

TEST(Money, StakesAreWorkedOutIn64BitsAndClamped) {
    EXPECT_EQ(stake(2, 5, 3), 30);
    EXPECT_EQ(stake(64, 1000000000, 3), 2147483647);
    EXPECT_EQ(clampToInt32(-5000000000LL), -2147483647 - 1);
    EXPECT_EQ(secondsToMilliseconds(90), 90000u);
    EXPECT_EQ(secondsToMilliseconds(-4), 0u);
    EXPECT_EQ(secondsToMilliseconds(5000000000LL), 4294967295u);
}

} // namespace
} // namespace vh::test
