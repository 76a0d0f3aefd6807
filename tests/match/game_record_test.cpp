#include "coach/game_review.h"
#include "match/game_record_of.h"
#include "tests/match/game_fixture.h"

#include <tuple>

namespace vh::test {
namespace {

class GameRecordTest : public GameFixture {};

// The record the coach is given, and the one a saved file gives back, lead
// from the start position through legal plays of their rolls to the board.
TEST_F(GameRecordTest, LeadsFromTheStartThroughEveryPlayToTheBoard) {
    auto manager = startGame(settingsFor(true, "Milo", true, "Greta"), 5);
    for (int turn = 0; turn < 12 && manager->winner() == -1; ++turn) {
        stepUntilTurnPasses(*manager);
    }
    const std::filesystem::path file = directory_ / "game.vhf";
    ASSERT_TRUE(manager->saveGame(file));
    SavedGame saved;
    ASSERT_TRUE(readSavedGameFile(file, saved).valid);
    const std::optional<GameRecord> fromFile = recordOfSavedGame(saved);
    ASSERT_TRUE(fromFile.has_value());

    const GameRecord record = manager->gameRecord();
    EXPECT_EQ(record.names[0], "Milo");
    EXPECT_TRUE(samePlacement(record.start, startPosition()));
    ASSERT_GE(record.turns.size(), 10u);
    BoardPosition position = record.start;
    std::size_t fileTurn = 0;
    int taken = 0;
    for (const RecordedTurn& turn : record.turns) {
        taken += turn.cube == CubeAction::DoubleTaken ? 1 : 0;
        if (turn.play.count == 0) {
            continue; // a double's own turn: not in the file's history
        }
        EXPECT_TRUE(isLegalPlay(position, turn.side, turn.die1, turn.die2, turn.play));
        ASSERT_LT(fileTurn, fromFile->turns.size());
        const RecordedTurn& again = fromFile->turns[fileTurn++];
        EXPECT_TRUE(samePlay(again.play, turn.play));
        EXPECT_EQ(std::tuple(again.die1, again.die2, again.cube),
                  std::tuple(turn.die1, turn.die2, turn.cube));
        applyPlay(turn.play, position);
    }
    EXPECT_EQ(fileTurn, fromFile->turns.size());
    EXPECT_EQ(1 << taken, manager->board().cubeValue);
    EXPECT_TRUE(samePlacement(position, manager->board().position));

    // Opened with the cube turned further than its doubles tell: the file's
    // turns are judged without the cube, the turns played on from there with it.
    saved.cubeValue = 4 << taken;
    saved.cubeOwner = 1;
    const auto opened = openSaved(settingsFor(true, "Milo", true, "Greta"), saved);
    stepUntilTurnPasses(*opened);
    const std::vector<TurnContext> contexts = turnContexts(opened->gameRecord());
    ASSERT_EQ(contexts.size(), fromFile->turns.size() + 1);
    for (std::size_t turn = 0; turn < contexts.size(); ++turn) {
        EXPECT_EQ(contexts[turn].cubeKnown, turn == fromFile->turns.size()) << turn;
    }
    EXPECT_EQ(contexts.back().cubeValue, 4 << taken);
    EXPECT_EQ(contexts.back().cubeOwner, 1);
}

TEST_F(GameRecordTest, AFileThatDoesNotLeadBackToTheStartHasNoRecord) {
    const SavedGame game =
        savedGameAt(placedPosition("5=2 18=-2"), 0, 3, 1, "Ann", false, "Bob", false);
    EXPECT_FALSE(recordOfSavedGame(game).has_value());
    // Opened, the game is reviewed from where it was opened.
    const auto manager = openSaved(settingsFor(false, "Ann", false, "Bob"), game);
    EXPECT_TRUE(samePlacement(manager->gameRecord().start, game.position));
    EXPECT_TRUE(manager->gameRecord().turns.empty());
}

} // namespace
} // namespace vh::test
