#include "app/board_widget.h"
#include "match/mat_file.h"
#include "platform/random.h"
#include "rules/move_generator.h"
#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <memory>

namespace vh::test {
namespace {

using KeyboardPlayTest = AppFixture;

// Ann to play at the start: Space on the board rolls, the field takes the
// play; a play that is not one of the roll changes nothing and says why.
TEST_F(KeyboardPlayTest, SpaceRollsAndATypedPlayIsMadeOrExplained) {
    openWindowOn(humanAgainstComputer(6, 1));
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
    openWindowOn(humanAgainstComputer(3, 1));
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

// A game played to its end with the first legal play of each roll.
GameRecord finishedGame() {
    GameRecord record;
    record.names = {"Ann", "Milo Finch"};
    setStartPosition(record.start);
    BoardPosition position = record.start;
    const auto plays = std::make_unique<PlayList>();
    seedRandom(11);
    for (int side = 0; !hasWon(position, 0) && !hasWon(position, 1); side = 1 - side) {
        RecordedTurn turn;
        turn.side = side;
        turn.die1 = rollDie();
        turn.die2 = rollDie();
        generatePlays(*plays, position, side, turn.die1, turn.die2);
        if (plays->count > 0) {
            turn.play = (*plays)[0];
        }
        applyPlay(turn.play, position);
        record.turns.push_back(turn);
    }
    record.winner = hasWon(position, 0) ? 0 : 1;
    record.points = 1;
    return record;
}

TEST_F(KeyboardPlayTest, AnImportedGameThatIsOverIsKeptForReviewAndFilesNothing) {
    const std::filesystem::path file = directory_ / "over.mat";
    std::string error;
    ASSERT_TRUE(writeMatFile(file, finishedGame(), error)) << error;
    openWindow();
    messages_.answers = {MessageAnswer::No}; // no review now
    window_->importGameFile(file);
    EXPECT_EQ(window_->game(), nullptr) << "not played on";
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text.rfind("The game is over: ", 0), 0u);
    EXPECT_TRUE(enabled(app::Command::ExportGame));
    PlayerStore stored;
    stored.loadPlayers();
    EXPECT_EQ(stored.findPlayer("Ann"), nullptr) << "no result filed";
}

} // namespace
} // namespace vh::test
