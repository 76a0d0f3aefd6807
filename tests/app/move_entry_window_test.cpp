#include "app/board_widget.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QTest>

namespace vh::test {
namespace {

using MoveEntryWindowTest = AppFixture;

// Ann (side 0) has rolled 6-1 at the start. A drag on the board widget reaches
// the game in board coordinates at any screen scale.
TEST_F(MoveEntryWindowTest, ADragPlaysTheRollAndHandsTheTurnToTheComputer) {
    openWindowOn(humanAgainstComputer(6, 1));
    pressDiceCup();
    const BoardPosition before = window_->game()->board().position;
    drag(12, 5);
    const BoardPosition& after = window_->game()->board().position;
    EXPECT_EQ(after[12].count, before[12].count - 1);
    EXPECT_EQ(after[5].count, before[5].count + 1);
    passUntil([this] { return window_->game()->currentSide() == 1; });
    EXPECT_EQ(window_->paneText(2), "Milo Finch's turn");
    passUntil([this] { return window_->game()->currentSide() == 0; });
    EXPECT_EQ(window_->paneText(1), "Turns Played: 2");
}

} // namespace
} // namespace vh::test
