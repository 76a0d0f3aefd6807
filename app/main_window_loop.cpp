#include "app/board_widget.h"
#include "app/main_window.h"
#include "app/modal_scope.h"
#include "app/notice_overlay.h"
#include "app/tutor_notice.h"
#include "match/autosave.h"
#include "match/status_text.h"
#include "platform/message_box.h"
#include "settings/settings_file.h"

#include <algorithm>

namespace vh::app {
namespace {

// The roll shows after the rattle has begun.
constexpr std::uint32_t kDiceRevealMs = 500;

} // namespace

void MainWindow::requestPass() {
    loop_.start(0);
}

void MainWindow::scheduleNextPass() {
    std::uint32_t delay = nextPassDelayMs(boardShown_ ? game_.get() : nullptr);
    if (coachBusy()) {
        delay = std::min(delay, kBusyPassMs); // the coach's answer is looked for
    }
    loop_.start(static_cast<int>(delay));
}

void MainWindow::runPass() {
    if (passRunning_ || ModalScope::active()) {
        // Come back when the window or the pass further up has finished.
        loop_.start(static_cast<int>(kBusyPassMs));
        return;
    }
    passRunning_ = true;
    if (game_ == nullptr || !boardShown_) {
        applyCommandStates(commandStates(nullptr));
    } else {
        game_->step();
        runCoach();
        showGame();
        takeUpMessages();
        if (game_->state() == GameState::GameOver) {
            finishGame();
        }
    }
    passRunning_ = false;
    scheduleNextPass();
}

void MainWindow::takeUpMessages() {
    while (const Message* message = game_->pendingMessage()) {
        if (isNotice(*message)) {
            // Laid over the board; the game answers it itself after a while.
            if (game_->pendingSerial() != noticeShown_) {
                noticeShown_ = game_->pendingSerial();
                board_->showNotice(*message);
            }
            return;
        }
        // Asked with the board and panels as they stand; the game waits,
        // its clocks stopped, until the box is answered.
        game_->answer(messageBoxes().show(*message));
        showGame();
    }
}

void MainWindow::showGame() {
    applyCommandStates(commandStates(game_.get()));
    const StatusTexts texts = statusTexts(*game_);
    setPaneText(0, texts.gameTime);
    setPaneText(1, texts.turns);
    if (std::pair turn{game_->currentSide(), game_->turnsPlayed()}; turn != hintTurn_) {
        hintText_.clear();
    }
    setPaneText(2, hintText_.empty() ? texts.turn : hintText_);
    setPaneText(3, lastPlayText(*game_));
    if (std::string described = boardDescription(*game_); described != describedBoard_) {
        describedBoard_ = std::move(described);
        board_->setAccessibleDescription(QString::fromStdString(describedBoard_));
    }
    board_->refresh();
}

void MainWindow::finishGame() {
    showStatistics(game_->firstHumanName());
    loadSettings(settings_);
    lastGames_ = game_->matchGames();
    lastGames_.push_back(game_->gameRecord());
    for (int pane = 0; pane < 4; ++pane) {
        setPaneText(pane, "");
    }
    const MatchResultTexts result = matchResultTexts(*game_);
    setPaneText(2, result.result);
    setPaneText(3, result.score);
    updateReview(); // with the result, for a review after the game is closed
    removeAutosave();
    const bool matchGoesOn = game_->matchGoesOn();
    if (!matchGoesOn) {
        destroyGame();
    }
    applyCommandStates(commandStates(nullptr));
    if (showMessage("New Game", "Would you like to play another game?", MessageButtons::YesNo) ==
        MessageAnswer::Yes) {
        if (matchGoesOn) {
            board_->hideNotice();
            game_->nextMatchGame();
            startedAfresh();
        } else {
            runCommand(Command::NewGame);
        }
        return;
    }
    destroyGame();
    if (reviewer_ != nullptr && reviewer_->totalTurns() > 0 &&
        showMessage("Review Game", "Would you like to review the game?", MessageButtons::YesNo) ==
            MessageAnswer::Yes) {
        runCommand(Command::ReviewGame);
    }
}

void MainWindow::createGame(const std::function<bool(GameManager&)>& setUp) {
    GameEnvironment environment;
    environment.store = &store_;
    environment.makeStage = [this](BoardRecord& board) { return board_->makeStage(board); };
    environment.revealDiceAtOnce = false; // the human presses the dice cup
    environment.diceRevealMs = kDiceRevealMs;
    environment.noticeHoldMs = NoticeOverlay::kHoldMs;
    environment.autosavePath = autosavePath();
    auto game = std::make_unique<GameManager>(std::move(environment));
    if (!setUp(*game)) {
        board_->setGame(game_.get()); // the running game's board again, or none
        return;
    }
    destroyGame(); // no statistics are filed for a game given up
    game_ = std::move(game);
    startedAfresh();
}

void MainWindow::startedAfresh() {
    // The coach starts afresh; the tutor says nothing about the turns an
    // opened file brought.
    reviewedKey_ = {-1, -1, -1, -1, -1};
    tutorChecked_ = game_->gameRecord().turns.size();
    game_->writeAutosave(); // in place of the game it replaces
    boardShown_ = true;
    board_->setGame(game_.get());
    applyCommandStates(commandStates(game_.get()));
    requestPass();
}

void MainWindow::destroyGame() {
    if (game_ == nullptr) {
        return;
    }
    board_->setGame(nullptr);
    if (analyst_ != nullptr) {
        analyst_->cancel();
    }
    asked_.reset();
    lastAnalysis_.reset();
    hintWanted_ = false;
    hintText_.clear();
    tutor_->hide();
    game_.reset();
    boardShown_ = false;
    noticeShown_ = 0;
}

} // namespace vh::app
