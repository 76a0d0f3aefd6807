#include "app/board_widget.h"
#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

namespace vh::test {
namespace {

using KeyboardPlayTest = AppFixture;

// Ann to play at the start: Space on the board rolls, the field takes the
// play; a play that is not one of the roll changes nothing and says why.
TEST_F(KeyboardPlayTest, SpaceRollsAndATypedPlayIsMadeOrExplained) {
    openWindow();
    openSaved(humanAgainstComputer(6, 1));
    window_->board()->setFocus();
    QTest::keyClick(window_->board(), Qt::Key_Space);
    passUntil([this] { return window_->game()->panelContent(0).diceShown; });

    window_->action(app::Command::TypeMove)->trigger();
    auto* field = child<QLineEdit>(*window_, "moveEntryText");
    ASSERT_TRUE(field != nullptr && field->isVisible());
    const BoardPosition before = window_->game()->board().position;
    for (const char* wrong : {"13/7", "24/18 24/23 8/7", "nonsense"}) {
        field->setText(wrong);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_FALSE(window_->statusBar()->currentMessage().isEmpty()) << wrong << ": why not";
        EXPECT_TRUE(samePlacement(window_->game()->board().position, before)) << wrong;
    }
    field->setText("13/7 8/7");
    QTest::keyClick(field, Qt::Key_Return);
    passUntil([this] { return window_->game()->turnsPlayed() >= 1; });
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(window_->statusBar()->currentMessage().isEmpty());
    passUntil([this] { return window_->paneText(3).startsWith("Milo Finch played "); });
    EXPECT_TRUE(window_->board()->accessibleDescription().contains("Ann (White):"));
}

TEST_F(KeyboardPlayTest, ACopiedPositionIdIsPastedIntoANewGame) {
    openWindow();
    openSaved(humanAgainstComputer(3, 1));
    pressDiceCup();
    window_->action(app::Command::CopyPositionId)->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "4HPwATDgc/ABMA:MIEFAAAAAAAE");

    QApplication::clipboard()->setText("4HPwATDgc/ABUA");
    onNextDialog([](QDialog& dialog) { dialog.accept(); }); // the ID as the clipboard has it
    window_->action(app::Command::PastePositionId)->trigger();
    ASSERT_NE(window_->game(), nullptr);
    EXPECT_EQ(window_->game()->currentSide(), 0);
    EXPECT_EQ(window_->game()->board().position[BAR_ONE].count, 1) << "one back checker hit";
    EXPECT_EQ(window_->game()->board().position[23].count, 1);
    EXPECT_EQ(window_->game()->player(1)->name(), "Milo Finch") << "between the same players";
}

} // namespace
} // namespace vh::test
