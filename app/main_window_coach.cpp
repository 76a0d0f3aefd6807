#include "app/best_moves_window.h"
#include "app/board_widget.h"
#include "app/main_window.h"
#include "app/pause_around.h"
#include "app/review_dialog.h"
#include "app/tutor_notice.h"
#include "coach/tutor.h"
#include "neural/race_judges.h"
#include "neural/weights_file.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "players/champion_file.h"
#include "settings/coach_settings.h"

#include <QScreen>
#include <algorithm>

namespace vh::app {
namespace {

QString headingFor(const GameManager& game, const AnalysisRequest& request) {
    const QString name =
        QString::fromStdString(utf8FromWindows1252(game.player(request.side)->name()));
    if (!request.rolled()) {
        return QString("%1 before the roll: the cube decision").arg(name);
    }
    return QString("%1 to play %2-%3")
        .arg(name)
        .arg(std::max(request.die1, request.die2))
        .arg(std::min(request.die1, request.die2));
}

} // namespace

std::shared_ptr<const NeuralNetwork> MainWindow::coachNetwork(bool tell) {
    if (coachNetwork_ == nullptr && !coachRefused_) {
        std::string error;
        std::optional<TrainedNetwork> trained = readWeightsFile(championWeightsPath(), error);
        if (!trained) {
            coachRefused_ = true;
            coachError_ = "Data/Champion.weights cannot be used: " + error +
                          ". The coach judges the moves with it.";
        } else {
            attachRaceJudges(trained->network);
            coachNetwork_ = std::make_shared<const NeuralNetwork>(std::move(trained->network));
            analyst_ = std::make_unique<Analyst>(coachNetwork_);
            reviewer_ = std::make_unique<GameReviewer>(coachNetwork_);
        }
    }
    if (coachNetwork_ == nullptr && tell) {
        showMessage("Coach", coachError_);
    }
    return coachNetwork_;
}

void MainWindow::askAnalyst(const AnalysisRequest& request) {
    if (asked_ && sameRequest(*asked_, request) && analyst_->busy()) {
        return;
    }
    asked_ = request;
    analyst_->start(request);
}

void MainWindow::suggestMove() {
    if (game_ == nullptr || coachNetwork(true) == nullptr) {
        return;
    }
    const std::optional<AnalysisRequest> request = game_->coachRequest();
    if (!request || !request->rolled()) {
        return;
    }
    hintWanted_ = true;
    if (lastAnalysis_ && sameRequest(lastAnalysis_->request, *request)) {
        takeAnalysis(*lastAnalysis_);
        return;
    }
    askAnalyst(*request);
    applyCommandStates(commandStates(game_.get()));
}

void MainWindow::takeAnalysis(const Analysis& analysis) {
    lastAnalysis_ = analysis;
    const std::optional<AnalysisRequest> now =
        game_ != nullptr ? game_->coachRequest() : std::nullopt;
    const bool current = now && sameRequest(*now, analysis.request);
    if (hintWanted_) {
        hintWanted_ = false;
        if (current && !analysis.plays.empty()) {
            game_->showHint(analysis.plays.front().play);
            note("Suggested: " + analysis.plays.front().text);
        }
    }
    if (current && bestMoves_ != nullptr && bestMoves_->isVisible()) {
        bestMoves_->showAnalysis(analysis, headingFor(*game_, analysis.request));
    }
}

void MainWindow::showBestMoves() {
    if (coachNetwork(true) == nullptr) {
        return;
    }
    if (bestMoves_ == nullptr) {
        bestMoves_ = new BestMovesWindow(this);
        connect(bestMoves_, &BestMovesWindow::playSelected, this, [this](const Play& play) {
            if (game_ != nullptr && game_->coachRequest()) {
                game_->showHint(play);
                board_->refresh();
            }
        });
        connect(bestMoves_, &BestMovesWindow::playWanted, this, [this](const Play& play) {
            if (game_ != nullptr) {
                game_->playForHuman(play);
                requestPass();
            }
        });
        // Beside the board where the screen has room, else at the screen's edge.
        const QRect frame = frameGeometry();
        const QRect screenArea = screen()->availableGeometry();
        const QSize size = bestMoves_->frameSize();
        const int x = std::min(frame.right() + 8, screenArea.right() - size.width());
        const int y = std::min(frame.top(), screenArea.bottom() - size.height());
        bestMoves_->move(std::max(x, screenArea.left()), std::max(y, screenArea.top()));
    }
    bestMoves_->showWaiting("The coach is thinking...");
    bestMoves_->show();
    bestMoves_->raise();
}

void MainWindow::runCoach() {
    if (analyst_ != nullptr && analyst_->busy()) {
        if (std::optional<Analysis> analysis = analyst_->take()) {
            takeAnalysis(*analysis);
        }
    }
    if (!hintText_.empty() && game_->board().highlights != hintHighlights_) {
        hintText_.clear(); // the hint has gone from the board
    }
    if (bestMoves_ != nullptr && bestMoves_->isVisible() && analyst_ != nullptr) {
        const std::optional<AnalysisRequest> request = game_->coachRequest();
        const std::optional<Analysis>& listed = bestMoves_->analysis();
        if (!request) {
            if (listed || game_->state() != GameState::Playing) {
                bestMoves_->showWaiting("The coach lists the plays when a human is to move.");
            }
        } else if (lastAnalysis_ && sameRequest(lastAnalysis_->request, *request)) {
            if (!listed || !sameRequest(listed->request, *request)) {
                bestMoves_->showAnalysis(*lastAnalysis_, headingFor(*game_, *request));
            }
        } else {
            askAnalyst(*request);
        }
    }
    updateReview();
    warnAboutNewTurns();
}

void MainWindow::updateReview() {
    if (game_ == nullptr || coachNetwork(false) == nullptr) {
        return;
    }
    const auto key =
        std::make_tuple(game_->history().cursor(), game_->history().total(), game_->winner(),
                        game_->board().cubeValue, game_->turnsPlayed());
    if (key != reviewedKey_) {
        reviewedKey_ = key;
        const GameRecord record = game_->gameRecord();
        reviewer_->update(record);
        // Turns taken back are looked at again when played anew; the turns a
        // game brought when it was opened are not.
        tutorChecked_ = std::min(tutorChecked_, record.turns.size());
    } else {
        reviewer_->poll();
    }
}

void MainWindow::warnAboutNewTurns() {
    if (reviewer_ == nullptr || game_ == nullptr) {
        return;
    }
    tutor_->setUndoAvailable(game_->canUndo());
    const std::size_t judged = reviewer_->judgedTurns();
    if (judged <= tutorChecked_) {
        return;
    }
    if (!tutorOn_) {
        tutorChecked_ = judged;
        return;
    }
    const GameReview review = reviewer_->review();
    const std::array<bool, 2> human{!game_->player(0)->isComputer(),
                                    !game_->player(1)->isComputer()};
    std::optional<std::string> warning;
    for (std::size_t turn = tutorChecked_; turn < judged; ++turn) {
        if (std::optional<std::string> found = tutorWarning(review.turns[turn], human)) {
            warning = std::move(found);
        }
    }
    tutorChecked_ = judged;
    if (warning) {
        tutor_->showWarning(QString::fromStdString(*warning));
    }
}

bool MainWindow::coachBusy() const {
    return (analyst_ != nullptr && analyst_->busy()) ||
           (game_ != nullptr && reviewer_ != nullptr && !reviewer_->ready());
}

void MainWindow::reviewGame() {
    if (coachNetwork(true) == nullptr) {
        return;
    }
    updateReview();
    if (reviewer_->totalTurns() == 0) {
        showMessage("Review Game", "No turn has been played yet.");
        return;
    }
    const PauseAround pause(game_.get());
    ReviewDialog review(*reviewer_, this);
    runModal(review);
}

} // namespace vh::app
