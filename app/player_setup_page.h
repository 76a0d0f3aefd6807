#pragma once

#include "app/option_page.h"
#include "players/champion_file.h"
#include "players/computer_profile.h"

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace vh {
class PlayerStore;
}

namespace vh::app {

class PlayerPreview;

// "Player Setup": each side, titled with its checkers' colour, with its player
// type and name and a preview of the chosen player; a button to create a
// player, the match bet and the match length: a money game or a match to 1
// to 25 points, kept in `matchLength` (0: money) rather than the options file.
class PlayerSetupPage final : public OptionPage {
    Q_OBJECT

public:
    PlayerSetupPage(PlayerStore& store, int& matchLength, QWidget* parent);

protected:
    // Also reads the roster and the store, and asks for a player when the
    // store has none.
    void load(const GameSettings& settings) override;
    void store(GameSettings& settings) override;

private:
    void fillNames(int side, bool computer);
    void typeChanged(int side);
    void nameChanged(int side);
    void createPlayer();
    // Lists the stored players again on a human side, with `chosen` selected.
    void showHumanNames(int side, const QString& chosen);
    bool isComputer(int side) const;

    PlayerStore& store_;
    Roster roster_;
    NeuralOpponents neural_;             // listed after the ten: the ladder, then the champion
    std::array<QGroupBox*, 2> groups_{}; // titled with the side's checker colour
    std::array<QComboBox*, 2> types_{};
    std::array<QComboBox*, 2> names_{};
    std::array<PlayerPreview*, 2> previews_{};
    QLineEdit* bet_ = nullptr;
    QComboBox* length_ = nullptr;
    int& matchLength_;
    bool initialising_ = false;
};

} // namespace vh::app
