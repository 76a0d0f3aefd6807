#include "neural/encoding.h"
#include "rules/move_generator.h"
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

TEST_F(UndoRedoTest, BetweenHumansTurnsAreRecordedEachUndoTakesOneBackAndRedoReplaysIt) {
    GameSettings settings = settingsFor(false, "Ann", false, "Bob");
    auto manager = startGame(settings, 11);
    EXPECT_EQ(manager->firstSide(), manager->currentSide());
    std::vector<Snapshot> before;
    for (int turn = 0; turn < 6; ++turn) {
        const Snapshot& start = before.emplace_back(snapshotOf(*manager));
        const DiceUsed& used = manager->currentPlayer()->diceUsed();
        EXPECT_EQ(used[2] != 0, start.die1 != start.die2) << "only a double gives four moves";
        playHumanTurn(*manager, turn * 7);
        ASSERT_FALSE(HasFatalFailure());
        // Turns alternate, and each is recorded with its roll.
        EXPECT_EQ(manager->currentSide(), otherSide(start.side));
        EXPECT_EQ(manager->history().sideAt(turn), start.side);
        EXPECT_EQ(manager->history().dieAt(turn, 0), start.die1);
        EXPECT_EQ(manager->history().dieAt(turn, 1), start.die2);
    }
    EXPECT_TRUE(messages_.shown().empty());
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

// Side 0 holds points 1 to 6 and has three spares far out; side 1 has one
// checker on the bar and the rest borne off. With 1-3 side 1 can only enter
// on point 0, and from there no roll moves it again while the six points hold.
const BoardPosition kEnteringBehindAPrime = placedPosition("1=2 2=2 3=2 4=2 5=2 6=2 23=3 25=1");

// The first legal play that moves only checkers at least eight pips from
// home, so the points next to home stay as they are.
int farPlayIndex(const PlayList& plays, int side) {
    for (int index = 0; index < plays.count; ++index) {
        const Play& play = plays[index];
        bool far = true;
        for (int i = 0; i < play.count; ++i) {
            const auto from = static_cast<int>(play.moves[static_cast<std::size_t>(i)].from);
            far = far && (side == PLAYER_ONE ? from >= 7 : from <= 16);
        }
        if (far) {
            return index;
        }
    }
    return 0;
}

TEST_F(UndoRedoTest, AgainstTheComputerUndoGoesBackToAndIncludingYourPreviousTurn) {
    const struct {
        const char* name;
        int humanSide;
        bool computerStarts; // in the prime position, else at the start
        int humanTurns;      // played before the undo
        int backTo;          // the turn start the undo returns to
    } cases[] = {
        // Computer, human: the undo takes back the reply and your turn.
        {"reply, human black", 0, false, 1, 0},
        {"reply, human white", 1, false, 1, 0},
        // Computer, human, computer forfeit: your turn and its entry go back.
        {"forfeited reply, human black", 0, true, 1, 0},
        {"forfeited reply, human white", 1, true, 1, 0},
        // Computer, human, forfeit, human, forfeit: back to your first turn.
        {"two forfeits, human black", 0, true, 2, 1},
        {"two forfeits, human white", 1, true, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int computerSide = otherSide(c.humanSide);
        const BoardPosition position = !c.computerStarts ? startPosition()
                                       : c.humanSide == PLAYER_ONE
                                           ? kEnteringBehindAPrime
                                           : mirroredPosition(kEnteringBehindAPrime);
        std::array<std::pair<std::string, bool>, 2> seats;
        seats[static_cast<std::size_t>(c.humanSide)] = {"Ann", false};
        seats[static_cast<std::size_t>(computerSide)] = {"Milo", true};
        seedRandom(7);
        auto manager = openSaved(
            savedGameAt(position, c.computerStarts ? computerSide : c.humanSide, 1, 3,
                        seats[0].first, seats[0].second, seats[1].first, seats[1].second));
        ASSERT_FALSE(manager->canUndo());

        std::vector<Snapshot> turnStarts;
        for (int humanTurns = 0; humanTurns < c.humanTurns || !manager->isHumanTurn();) {
            turnStarts.push_back(snapshotOf(*manager));
            if (manager->isHumanTurn()) {
                playHumanTurn(*manager, farPlayIndex(legalPlays(*manager), manager->currentSide()));
                ++humanTurns;
            } else {
                stepUntilTurnPasses(*manager);
            }
            ASSERT_FALSE(HasFatalFailure());
        }
        const MoveHistory& history = manager->history();
        ASSERT_EQ(history.sideAt(history.cursor() - 1),
                  c.computerStarts ? c.humanSide : computerSide)
            << "the last recorded turn";

        const Snapshot beforeUndo = snapshotOf(*manager);
        ASSERT_TRUE(manager->canUndo());
        manager->undo();
        stepUntilPlaying(*manager);
        expectSame(snapshotOf(*manager), turnStarts[static_cast<std::size_t>(c.backTo)]);
        if (!manager->isHumanTurn()) {
            EXPECT_FALSE(manager->canRedo());
            continue;
        }
        manager->redo();
        stepUntilPlaying(*manager);
        expectSame(snapshotOf(*manager), beforeUndo);
    }
}

TEST_F(UndoRedoTest, UndoingAHitBringsTheCheckerBackFromTheBar) {
    // Ann (side 0) on 10, a single Bob checker on 7: 3-1 hits with the 3.
    const BoardPosition hit = placedPosition("7=-1 10=1 20=-14");
    auto manager = openSaved(savedGameAt(hit, 0, 3, 1));
    const Snapshot start = snapshotOf(*manager);
    EXPECT_FALSE(manager->canUndo());
    EXPECT_FALSE(manager->canRedo());
    manager->undo(); // nothing to take back
    manager->redo();
    EXPECT_EQ(manager->state(), GameState::Playing);
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
    auto manager = startGame(settingsFor(false, "Ann", false, "Bob"), 21, false);
    playHumanTurn(*manager);
    playHumanTurn(*manager);
    manager->undo();
    stepUntilPlaying(*manager);
    ASSERT_TRUE(manager->canRedo());
    EXPECT_TRUE(manager->diceShown()) << "a roll played again has been seen";
    EXPECT_FALSE(manager->canOfferDouble());

    // The replayed turn: one checker moved, then taken back again.
    auto* player = dynamic_cast<HumanPlayer*>(manager->currentPlayer());
    const PlayList& plays = legalPlays(*manager);
    ASSERT_GT(plays.count, 0);
    const Snapshot replayed = snapshotOf(*manager);
    player->playMove(manager->stage(), plays[0].moves[0]);
    step(*manager);
    EXPECT_FALSE(manager->canRedo()) << "the turn being made replaces the one to redo";
    EXPECT_TRUE(manager->canUndo());
    manager->undo();
    stepUntilPlaying(*manager);
    expectSame(snapshotOf(*manager), replayed);
    EXPECT_TRUE(manager->diceShown()) << "a checker taken back keeps the roll on show";
    EXPECT_EQ(manager->turnsPlayed(), replayed.turnsPlayed)
        << "unfinished moves were never counted";
    EXPECT_FALSE(manager->canRedo());
}

} // namespace
} // namespace vh::test
