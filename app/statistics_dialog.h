#pragma once

#include "settings/game_settings.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace vh {
class PlayerStore;
}

namespace vh::app {

// "Game Statistics": the games and totals of one stored player, and the
// deletion of a player with all of their games. It reads the player file when
// it opens and shows the player the options name last, or the one given.
// Close, Escape and the window's close button keep the chosen player in the
// options.
class StatisticsDialog final : public QDialog {
    Q_OBJECT

public:
    StatisticsDialog(PlayerStore& store, const std::optional<std::string>& presetName,
                     QWidget* parent);

    void reject() override;

private:
    void fillPlayers();
    void selectPlayer(const std::string& prefix);
    void fillGames();
    void playerChosen(int index);
    void deletePlayer();

    PlayerStore& store_;
    GameSettings settings_;
    std::vector<std::string> names_; // the player list's entries, as stored
    QComboBox* players_ = nullptr;
    QTableWidget* games_ = nullptr;
    std::array<QLabel*, 4> totals_{};
    std::array<int, 4> columnWidths_{};
};

} // namespace vh::app
