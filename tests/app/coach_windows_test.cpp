#include "app/best_moves_window.h"
#include "app/review_dialog.h"
#include "app/tutor_notice.h"
#include "coach/analysis.h"
#include "settings/coach_settings.h"
#include "tests/app/app_fixture.h"
#include "tests/support/placement.h"
#include "tests/support/shipped_network.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <chrono>
#include <filesystem>
#include <set>

namespace vh::test {
namespace {

// The window with the champion's network in its program folder, Ann to play
// 6-1 at the start against the roster's first computer.
class CoachWindowsTest : public AppFixture {
protected:
    CoachWindowsTest() {
        std::filesystem::copy_file(std::filesystem::path(VARNHOLT_PROGRAM_DIR) /
                                       "Data/Champion.weights",
                                   directory_ / "Data/Champion.weights");
    }

    // The coach's ranking of Ann's 6-1 at the start.
    static Analysis startAnalysis() {
        AnalysisRequest request;
        setStartPosition(request.position);
        request.side = 0;
        request.die1 = 6;
        request.die2 = 1;
        return analyse(*makeAnalysisEngine(shippedNetwork(), request, kAnalysisPlies), request);
    }

    QTableWidget* bestMovesTable() {
        auto* list = window_->findChild<app::BestMovesWindow*>();
        return list != nullptr ? list->findChild<QTableWidget*>("bestMovesTable") : nullptr;
    }

    // The entries of a play's moves, as the board highlights them.
    static std::set<int> pointsOf(const Play& play) {
        std::set<int> points;
        for (std::int32_t i = 0; i < play.count; ++i) {
            points.insert(play.moves[static_cast<std::size_t>(i)].from);
            points.insert(play.moves[static_cast<std::size_t>(i)].to);
        }
        return points;
    }

    std::set<int> highlighted() const {
        std::set<int> points;
        const auto& flags = window_->game()->board().highlights;
        for (std::size_t i = 0; i < flags.size(); ++i) {
            if (flags[i] != kHighlightNone) {
                points.insert(static_cast<int>(i));
            }
        }
        return points;
    }
};

TEST_F(CoachWindowsTest, HintAndBestMovesShowTheCoachsPlaysAndPlayMakesOne) {
    const Analysis expected = startAnalysis();
    ASSERT_GE(expected.plays.size(), 3u);
    openWindowOn(humanAgainstComputer(6, 1));

    // Before the roll the list gives the cube decision.
    window_->action(app::Command::ShowBestMoves)->trigger();
    passUntil([this] { return bestMovesTable() != nullptr && bestMovesTable()->rowCount() == 3; });
    EXPECT_EQ(bestMovesTable()->item(0, 0)->text(), "No double");

    pressDiceCup();
    window_->action(app::Command::SuggestMove)->trigger();
    const QString suggested =
        QString("Suggested: %1").arg(QString::fromStdString(expected.plays.front().text));
    passUntil([&] { return window_->paneText(2) == suggested; });
    EXPECT_EQ(highlighted(), pointsOf(expected.plays.front().play));

    QTableWidget* table = bestMovesTable();
    passUntil([&] { return table->rowCount() == static_cast<int>(expected.plays.size()); });
    EXPECT_EQ(table->item(1, 1)->text(), QString::fromStdString(expected.plays[1].text));
    table->selectRow(1);
    EXPECT_EQ(highlighted(), pointsOf(expected.plays[1].play)) << "the chosen row on the board";

    window_->findChild<QPushButton*>("bestMovesPlay")->click();
    passUntil([this] { return window_->game()->turnsPlayed() == 1; });
    EXPECT_TRUE(samePlay(window_->game()->gameRecord().turns.at(0).play, expected.plays[1].play));
    passUntil([this] { return enabled(app::Command::UndoMove); }); // after the computer's reply
}

TEST_F(CoachWindowsTest, TheTutorWarnsOfABlunderAndItsUndoTakesThePlayBack) {
    ASSERT_TRUE(saveCoachSettings(CoachSettings{true}));
    const Analysis expected = startAnalysis();
    const RankedMove& worst = expected.plays.back();
    ASSERT_GE(-worst.difference, kBlunderFrom) << "the test needs a blunder";
    openWindowOn(humanAgainstComputer(6, 1));
    pressDiceCup();
    ASSERT_TRUE(window_->game()->playForHuman(worst.play));

    auto* tutor = window_->findChild<app::TutorNotice*>();
    passUntil([&] { return !tutor->text().isEmpty(); });
    EXPECT_TRUE(tutor->text().contains("blunder")) << tutor->text().toStdString();
    EXPECT_TRUE(tutor->text().contains(QString::fromStdString(expected.plays.front().text)));

    // Undo waits while the computer's reply is on its way.
    auto* undo = tutor->findChild<QPushButton*>("tutorUndo");
    passUntil([&] { return undo->isEnabled(); });
    undo->click();
    passUntil([&] {
        return window_->game()->currentSide() == 0 &&
               samePlacement(window_->game()->board().position, startPosition());
    });
    EXPECT_TRUE(tutor->text().isEmpty());

    // Played again it is warned of again; a file holding it is opened in silence.
    pressDiceCup();
    ASSERT_TRUE(window_->game()->playForHuman(worst.play));
    passUntil([&] { return !tutor->text().isEmpty(); });
    tutor->hide();
    passUntil([this] { return window_->game()->currentSide() == 0; });
    const std::filesystem::path file = directory_ / "blunder.vhf";
    ASSERT_TRUE(window_->game()->saveGame(file));
    openWindow();
    window_->openGameFile(file);
    tutor = window_->findChild<app::TutorNotice*>();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    passUntil([&] { return std::chrono::steady_clock::now() > until; }); // the review catches up
    EXPECT_TRUE(tutor->text().isEmpty()) << tutor->text().toStdString();
}

TEST_F(CoachWindowsTest, TheReviewListsEveryTurnAndShowsTheChosenOne) {
    openWindowOn(humanAgainstComputer(6, 1));
    pressDiceCup();
    ASSERT_TRUE(window_->game()->playForHuman(startAnalysis().plays.front().play));
    passUntil([this] { return window_->game()->turnsPlayed() >= 2; });
    const std::size_t turns = window_->game()->gameRecord().turns.size();

    int listed = 0;
    QString played;
    onNextDialog([&](QDialog& dialog) {
        auto* review = qobject_cast<app::ReviewDialog*>(&dialog);
        ASSERT_NE(review, nullptr);
        passUntil([&] { return review->review().has_value(); });
        listed = child<QListWidget>(dialog, "reviewTurns")->count();
        child<QListWidget>(dialog, "reviewTurns")->setCurrentRow(0);
        played = child<QLabel>(dialog, "reviewTurnText")->text();
        EXPECT_EQ(child<QTableWidget>(dialog, "reviewSummary")->item(0, 0)->text(), "1")
            << "Ann's one unforced decision";
        dialog.reject();
    });
    window_->action(app::Command::ReviewGame)->trigger();
    EXPECT_EQ(listed, static_cast<int>(turns));
    EXPECT_TRUE(played.startsWith(
        QString("Played: %1").arg(QString::fromStdString(startAnalysis().plays.front().text))))
        << played.toStdString();
}

} // namespace
} // namespace vh::test
