#include "match/human_player.h"
#include "rules/move_generator.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"

#include <algorithm>
#include <set>
#include <sstream>
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

TEST_F(HumanPlayerTest, SuggestMoveHighlightsTheFirstMoveOfALegalPlayOrNothing) {
    BoardRecord board = startWithSixFive();
    HeadlessStage stage(board);
    HumanPlayer player(0, "Ann", [] { return GameSettings{}; });
    player.startTurn(stage, {});
    BoardPosition working = board.position;
    generatePlays(*plays_, working, 0, 6, 5);
    std::set<std::vector<int>> firstMoves;
    for (const Play& play : *plays_) {
        const int from = static_cast<int>(play.moves[0].from);
        const int to = static_cast<int>(play.moves[0].to);
        firstMoves.insert({std::min(from, to), std::max(from, to)});
    }
    seedRandom(4);
    std::set<std::vector<int>> suggested;
    for (int round = 0; round < 20; ++round) {
        player.suggestMove(stage);
        suggested.insert(highlighted(board));
    }
    EXPECT_GT(suggested.size(), 1u);
    EXPECT_TRUE(
        std::includes(firstMoves.begin(), firstMoves.end(), suggested.begin(), suggested.end()));

    // Only one die can be played: the hint is the larger's move.
    board.position = placedPosition("1=-2 12=1");
    player.startTurn(stage, {});
    for (int round = 0; round < 5; ++round) {
        player.suggestMove(stage);
        EXPECT_EQ(highlighted(board), (std::vector<int>{6, 12}));
    }
    const auto nothingShown = [&board] {
        return std::all_of(board.highlights.begin(), board.highlights.end(),
                           [](auto flag) { return flag == kHighlightNone; });
    };
    // No free die.
    player.markDieUsed(6, true, board);
    player.markDieUsed(5, true, board);
    player.suggestMove(stage);
    EXPECT_TRUE(nothingShown());
    // Two on the bar against a closed entry: nothing to suggest.
    board.position = placedPosition("18=-2 24=2");
    board.die1 = board.die2 = 6;
    board.highlights[3] = kHighlightTarget;
    player.startTurn(stage, {});
    player.suggestMove(stage);
    EXPECT_TRUE(nothingShown());
}

using RestartTest = GameFixture;

// Restarted while paused after two turns, then during the replay of an undo.
TEST_F(RestartTest, KeepsThePlayersFirstSideAndPauseAndDropsAReplay) {
    GameSettings settings = settingsFor(false, "Ann", false, "Bob");
    settings.useTimer = 1;
    settings.initialMinutes = 2;
    auto manager = startGame(settings, 44);
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
