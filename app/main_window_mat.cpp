#include "app/board_widget.h"
#include "app/main_window.h"
#include "app/modal_scope.h"
#include "app/pause_around.h"
#include "match/autosave.h"
#include "match/game_ids.h"
#include "match/mat_file.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "settings/settings_file.h"

#include <QFileDialog>
#include <QInputDialog>

namespace vh::app {
namespace {

const QString kMatFilter = "Match Files (*.mat *.txt)";

} // namespace

void MainWindow::exportGame() {
    std::vector<GameRecord> games = lastGames_;
    if (game_ != nullptr) {
        games = game_->matchGames();
        games.push_back(game_->gameRecord());
    }
    if (games.empty() || games.back().turns.empty()) {
        showMessage("Export Game", "No turn has been played yet.");
        return;
    }
    QString file;
    {
        const PauseAround pause(game_.get());
        const ModalScope modal;
        QFileDialog dialog(this, "Export Game", gamesFolder(), kMatFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("mat");
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            file = dialog.selectedFiles().front();
        }
    }
    std::string error;
    if (!file.isEmpty() && !writeMatFile(file.toStdString(), games, error)) {
        showMessage("Export Game", "The game could not be exported. " + error);
    }
}

void MainWindow::importGame() {
    if (!mayGiveUpRunningGame(
            "You're already playing a game.  Quit this game and import another?")) {
        return;
    }
    QString file;
    {
        const PauseAround pause(game_.get());
        const ModalScope modal;
        file = QFileDialog::getOpenFileName(this, "Import Game", gamesFolder(), kMatFilter);
    }
    if (!file.isEmpty()) {
        importGameFile(file.toStdString());
    }
}

void MainWindow::importGameFile(const std::filesystem::path& path) {
    MatGames games;
    int chosen = 1;
    {
        // The game stands still while the file is read and a game chosen, and
        // only then: the import may put another in its place.
        const PauseAround pause(game_.get());
        std::string error;
        if (!readMatFile(path, games, error)) {
            showMessage("Import Game", path.string() + " cannot be imported: " + error + ".");
            return;
        }
        if (games.games.size() > 1) {
            const ModalScope modal;
            bool accepted = false;
            chosen = QInputDialog::getInt(
                this, "Import Game",
                QString("The file holds %1 games. Import game:").arg(games.games.size()),
                games.matchLength > 0 ? static_cast<int>(games.games.size()) : 1, 1,
                static_cast<int>(games.games.size()), 1, &accepted);
            if (!accepted) {
                return;
            }
        }
    }
    const GameRecord& record = games.games[static_cast<std::size_t>(chosen - 1)];
    if (record.winner != -1) {
        games.games.resize(static_cast<std::size_t>(chosen));
        keepFinishedGame(std::move(games.games));
        return;
    }
    SavedGame game = savedGameOf(record);
    seatKnownComputers(game);
    loadSettings(settings_);
    std::vector<GameRecord> earlier(games.games.begin(),
                                    games.games.begin() + static_cast<std::ptrdiff_t>(chosen - 1));
    createGame([&game, &earlier](GameManager& manager) {
        manager.openSavedGame(game, std::move(earlier));
        return true;
    });
}

void MainWindow::keepFinishedGame(std::vector<GameRecord> games) {
    // Played on, a finished game would end at once and file a result it never had.
    destroyGame();
    removeAutosave();
    lastGames_ = std::move(games);
    const GameRecord& record = lastGames_.back();
    if (coachNetwork(false) != nullptr) {
        reviewer_->update(record);
    }
    board_->setStartButtonsShown(true);
    applyCommandStates(commandStates(nullptr));
    const std::string winner =
        utf8FromWindows1252(record.names[static_cast<std::size_t>(record.winner)]);
    if (showMessage("Import Game", "The game is over: " + winner + " won. Review it now?",
                    MessageButtons::YesNo) == MessageAnswer::Yes) {
        reviewGame();
    }
}

} // namespace vh::app
