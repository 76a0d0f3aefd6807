#include "app/board_widget.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QTest>

namespace vh::test {
namespace {

using MoveEntryWindowTest = AppFixture;

// Ann (side 0) has rolled 6-1 at the start. Drags on the board widget reach
// the game in board coordinates at any screen scale.
TEST_F(MoveEntryWindowTest, DropsOnTheBoardAreJudgedByTheRoll) {
    struct Case {
        int from;
        int to;
        bool accepted;
        const char* what;
    };
    const Case cases[] = {
        {12, 10, false, "two points: no die"},
        {12, 6, true, "the six"},
        {6, 4, false, "the six is used"},
        {6, 5, true, "the one"},
    };
    openWindow();
    openSaved(humanAgainstComputer(6, 1));
    window_->runPass();
    const BoardPosition start = window_->game()->board().position;
    drag(23, 17);
    EXPECT_EQ(window_->game()->board().position, start) << "before the dice cup is pressed";
    pressDiceCup();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const BoardPosition before = window_->game()->board().position;
        drag(c.from, c.to);
        const BoardPosition& after = window_->game()->board().position;
        EXPECT_EQ(after[c.to].count, before[c.to].count + (c.accepted ? 1 : 0));
        EXPECT_EQ(after[c.from].count, before[c.from].count - (c.accepted ? 1 : 0));
    }
}

TEST_F(MoveEntryWindowTest, AFinishedRollHandsTheTurnToTheComputer) {
    openWindow();
    openSaved(humanAgainstComputer(6, 1));
    pressDiceCup();
    drag(12, 5);
    passUntil([this] { return window_->game()->currentSide() == 1; });
    EXPECT_EQ(window_->paneText(2), "Milo Finch's turn");
    passUntil([this] { return window_->game()->currentSide() == 0; });
    EXPECT_EQ(window_->paneText(1), "Turns Played: 2");
}

} // namespace
} // namespace vh::test
