#include "app/board_widget.h"
#include "app/main_window.h"
#include "app/modal_scope.h"
#include "app/move_entry_field.h"
#include "app/pause_around.h"
#include "match/game_ids.h"
#include "platform/message_box.h"
#include "rules/typed_play.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QStatusBar>

namespace vh::app {
namespace {

// How long the status line explains why a typed play was not made.
constexpr int kExplanationMs = 12000;

} // namespace

std::array<SavedPlayer, 2> MainWindow::currentPlayers() const {
    std::array<SavedPlayer, 2> players;
    for (int side = 0; side < 2; ++side) {
        SavedPlayer& player = players[static_cast<std::size_t>(side)];
        player.side = side;
        if (game_ != nullptr && game_->player(side) != nullptr) {
            player.name = game_->player(side)->name();
            player.isComputer = game_->player(side)->isComputer() ? 1 : 0;
        } else {
            player.name = settings_.playerName[static_cast<std::size_t>(side)];
            player.isComputer = settings_.playerIsComputer[static_cast<std::size_t>(side)];
        }
        if (player.name.empty()) {
            player.name = side == 0 ? "Player 1" : "Player 2";
        }
    }
    return players;
}

void MainWindow::copyPositionId() {
    if (game_ == nullptr) {
        return;
    }
    if (const std::optional<std::string> id = gameIdOf(*game_)) {
        QApplication::clipboard()->setText(QString::fromStdString(*id));
        note("Copied " + *id);
    }
}

void MainWindow::pastePositionId() {
    QString text = QApplication::clipboard()->text().trimmed();
    {
        const PauseAround pause(game_.get());
        const ModalScope modal;
        bool accepted = false;
        text = QInputDialog::getText(this, "Paste Position ID",
                                     "Position ID, or POSITIONID:MATCHID:", QLineEdit::Normal, text,
                                     &accepted);
        if (!accepted) {
            return;
        }
    }
    BoardPosition position;
    MatchIdFields fields;
    std::string error;
    if (!readGameId(text.toStdString(), position, fields, error)) {
        showMessage("Paste Position ID", "That is not a position ID: " + error + ".");
        return;
    }
    if (!mayGiveUpRunningGame("You're already playing a game.  Quit this game and set up the "
                              "pasted position?")) {
        return;
    }
    const SavedGame game = savedGameOfId(position, fields, currentPlayers());
    loadSettings(settings_);
    createGame([&game](GameManager& manager) {
        manager.openSavedGame(game);
        return true;
    });
}

void MainWindow::toggleMoveEntry() {
    const bool shown = !moveEntry_->isVisible();
    moveEntry_->setVisible(shown);
    action(Command::MoveEntryField)->setChecked(shown);
    if (shown) {
        moveEntry_->focusField();
    } else {
        board_->setFocus();
    }
}

void MainWindow::typeMove() {
    moveEntry_->focusField();
    action(Command::MoveEntryField)->setChecked(true);
}

void MainWindow::enterTypedMove(const QString& text) {
    if (game_ == nullptr) {
        explain("No game is being played.");
        return;
    }
    const std::string typed = text.trimmed().toStdString();
    if (typed.empty()) {
        if (game_->pressDiceCup()) { // Enter on an empty field rolls
            requestPass();
        }
        return;
    }
    const std::optional<AnalysisRequest> turn = game_->coachRequest();
    if (!turn) {
        explain("It is not your turn to move.");
        return;
    }
    if (!turn->rolled()) {
        explain("Roll first: Enter on an empty field, or Space on the board.");
        return;
    }
    const TypedPlay play = readTypedPlay(typed, turn->position, turn->side, turn->die1, turn->die2);
    if (!play.made) {
        explain(play.problem);
        return;
    }
    if (game_->playForHuman(play.play)) {
        statusBar()->clearMessage();
        moveEntry_->clear();
        requestPass();
    }
}

void MainWindow::explain(const std::string& text) {
    statusBar()->showMessage(QString::fromStdString(text), kExplanationMs);
}

void MainWindow::note(const std::string& text) {
    hintText_ = text;
    if (game_ != nullptr) {
        hintHighlights_ = game_->board().highlights;
        hintTurn_ = {game_->currentSide(), game_->turnsPlayed()};
    }
    setPaneText(2, text);
}

} // namespace vh::app
