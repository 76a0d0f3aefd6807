#include "app/board_widget.h"
#include "app/main_window.h"
#include "app/modal_scope.h"
#include "app/notice_overlay.h"
#include "match/status_text.h"
#include "platform/message_box.h"
#include "settings/settings_file.h"

namespace vh::app {
namespace {

// The roll shows after the rattle has begun.
constexpr std::uint32_t kDiceRevealMs = 500;

} // namespace

void MainWindow::requestPass() {
    loop_.start(0);
}

void MainWindow::scheduleNextPass() {
    loop_.start(static_cast<int>(nextPassDelayMs(boardShown_ ? game_.get() : nullptr)));
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
    setPaneText(2, texts.turn);
    board_->refresh();
}

void MainWindow::finishGame() {
    showStatistics(game_->firstHumanName());
    loadSettings(settings_);
    for (int pane = 0; pane < 3; ++pane) {
        setPaneText(pane, "");
    }
    destroyGame();
    applyCommandStates(commandStates(nullptr));
    if (showMessage("New Game", "Would you like to play another game?", MessageButtons::YesNo) ==
        MessageAnswer::Yes) {
        runCommand(Command::NewGame);
    }
}

void MainWindow::createGame(const std::function<bool(GameManager&)>& setUp) {
    GameEnvironment environment;
    environment.store = &store_;
    environment.makeStage = [this](BoardRecord& board) { return board_->makeStage(board); };
    environment.revealDiceAtOnce = false; // the human presses the dice cup
    environment.diceRevealMs = kDiceRevealMs;
    environment.noticeHoldMs = NoticeOverlay::kHoldMs;
    auto game = std::make_unique<GameManager>(std::move(environment));
    if (!setUp(*game)) {
        board_->setGame(game_.get()); // the running game's board again, or none
        return;
    }
    destroyGame(); // no statistics are filed for a game given up
    game_ = std::move(game);
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
    game_.reset();
    boardShown_ = false;
    noticeShown_ = 0;
}

} // namespace vh::app
