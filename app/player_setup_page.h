#pragma once

#include "players/computer_profile.h"
#include "settings/game_settings.h"

#include <QWidget>
#include <array>
#include <optional>

class QComboBox;
class QLineEdit;

namespace vh {
class PlayerStore;
}

namespace vh::app {

class PlayerPreview;

// "Player Setup": each side's player type and name with a preview of the
// chosen player, a button to create a player, and the match bet.
class PlayerSetupPage final : public QWidget {
    Q_OBJECT

public:
    PlayerSetupPage(PlayerStore& store, QWidget* parent);

    // Writes the page's fields into Data/Settings.dat; nothing when the page
    // was never shown.
    void apply();
    bool wasShown() const { return shown_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void initialise();
    void fillNames(int side, bool computer);
    void typeChanged(int side);
    void nameChanged(int side);
    void createPlayer();
    bool isComputer(int side) const;
    const ComputerProfile* champion() const;

    PlayerStore& store_;
    GameSettings settings_;
    Roster roster_;
    std::optional<ComputerProfile> champion_; // listed after the ten when Data/Champion.dat has one
    std::array<QComboBox*, 2> types_{};
    std::array<QComboBox*, 2> names_{};
    std::array<PlayerPreview*, 2> previews_{};
    QLineEdit* bet_ = nullptr;
    bool shown_ = false;
    bool initialising_ = false;
};

} // namespace vh::app
