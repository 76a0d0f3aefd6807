#include "app/about_box.h"
#include "app/board_widget.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/modal_scope.h"
#include "app/option_sheet.h"
#include "app/pause_around.h"
#include "app/program_page.h"
#include "app/sound_settings_dialog.h"
#include "app/statistics_dialog.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"
#include "settings/coach_settings.h"
#include "settings/settings_file.h"

#include <QFileDialog>

namespace vh::app {
namespace {

const QString kGameFilter = "Varnholt Backgammon Files (*.vhf)";

} // namespace

QString MainWindow::gamesFolder() {
    return QString::fromStdString(userDirectory().string());
}

void MainWindow::runCommand(Command command) {
    commandEntry(command).run(*this);
    board_->refresh();
    requestPass();
}

void MainWindow::undoMove() {
    if (game_ != nullptr) {
        game_->undo();
    }
}

void MainWindow::redoMove() {
    if (game_ != nullptr) {
        game_->redo();
    }
}

void MainWindow::forceMove() {
    if (game_ != nullptr) {
        game_->forceMove();
    }
}

bool MainWindow::mayGiveUpRunningGame(const char* question) {
    if (game_ == nullptr || game_->state() == GameState::GameOver) {
        return true;
    }
    return showMessage("Game In Progress...", question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void MainWindow::newGame() {
    if (!mayGiveUpRunningGame(
            "You're already playing a game.  Quit this game and start another?")) {
        return;
    }
    {
        // The running game goes on when the sheet is cancelled.
        const PauseAround pause(game_.get());
        const std::unique_ptr<OptionSheet> sheet = makeNewGameSheet(store_, matchLength_, this);
        if (runModal(*sheet) != QDialog::Accepted) {
            return;
        }
    }
    loadSettings(settings_);
    createGame([this](GameManager& game) {
        game.newGame(matchLength_);
        return true;
    });
}

void MainWindow::restartGame() {
    if (game_ == nullptr) {
        newGame();
        return;
    }
    if (game_->state() == GameState::GameOver ||
        showMessage("Game In Progress...", "Are you sure you want to restart this game?",
                    MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    loadSettings(settings_);
    board_->hideNotice();
    game_->restartGame();
    board_->relayout();
    applyCommandStates(commandStates(game_.get()));
}

void MainWindow::pauseGame() {
    if (game_ != nullptr) {
        game_->pause();
        applyCommandStates(commandStates(game_.get()));
    }
}

void MainWindow::continueGame() {
    if (game_ != nullptr) {
        game_->resume();
        applyCommandStates(commandStates(game_.get()));
    }
}

void MainWindow::openGame() {
    if (!mayGiveUpRunningGame("You're already playing a game.  Quit this game and open another?")) {
        return;
    }
    QString file;
    {
        const PauseAround pause(game_.get());
        const ModalScope modal;
        file = QFileDialog::getOpenFileName(this, "Open Game", gamesFolder(), kGameFilter);
    }
    if (!file.isEmpty()) {
        openGameFile(file.toStdString());
    }
}

void MainWindow::openGameFile(const std::filesystem::path& path) {
    loadSettings(settings_);
    createGame([&path](GameManager& game) { return game.openGame(path); });
}

void MainWindow::saveGame() {
    if (game_ == nullptr) {
        return;
    }
    const PauseAround pause(game_.get());
    QString file;
    {
        const ModalScope modal;
        QFileDialog dialog(this, "Save Game", gamesFolder(), kGameFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("vhf");
        dialog.selectFile("Save1");
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            file = dialog.selectedFiles().front();
        }
    }
    if (!file.isEmpty() && game_ != nullptr) {
        game_->saveGame(file.toStdString());
    }
}

void MainWindow::showHelp(const char* anchor) {
    const PauseAround pause(game_.get());
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    help_->showAt(anchor);
}

void MainWindow::openWebPage(const char* caption, const char* file) {
    const PauseAround pause(game_.get());
    openProgramPage(caption, file);
}

void MainWindow::showAbout() {
    const PauseAround pause(game_.get());
    AboutBox about(this);
    runModal(about);
}

int MainWindow::runModal(QDialog& dialog) {
    board_->refresh(); // the notice of a game paused around the dialog
    const ModalScope modal;
    return dialog.exec();
}

void MainWindow::showStatistics(const std::optional<std::string>& player) {
    StatisticsDialog statistics(store_, player, this);
    runModal(statistics);
}

void MainWindow::reloadOptions(bool game) {
    loadSettings(settings_);
    tutorOn_ = loadCoachSettings().tutor;
    if (game && game_ != nullptr) {
        game_->reloadSettings();
    }
    board_->relayout();
}

void MainWindow::viewStatistics() {
    const PauseAround pause(game_.get());
    showStatistics(std::nullopt);
    reloadOptions(true);
}

void MainWindow::gameSettings() {
    const PauseAround pause(game_.get());
    const std::unique_ptr<OptionSheet> sheet = makeBoardSettingsSheet(this);
    runModal(*sheet);
    reloadOptions(true);
}

void MainWindow::graphicsSettings() {
    const PauseAround pause(game_.get());
    const std::unique_ptr<OptionSheet> sheet = makeGraphicsSettingsSheet(this);
    runModal(*sheet);
    // The game keeps its own copy of the options; the board and the
    // background show the new ones.
    loadSettings(settings_);
    board_->setBackground(settings_);
    board_->relayout();
}

void MainWindow::soundSettings() {
    const PauseAround pause(game_.get());
    SoundSettingsDialog sound(this);
    runModal(sound);
    reloadOptions(true);
}

} // namespace vh::app
