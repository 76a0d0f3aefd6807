#pragma once

#include "players/player_record.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace vh {
class PlayerStore;
}

namespace vh::app {

// "Create New Player...": name, age, description and a photo of one's own.
// Create adds the player to the store and saves the store at once, so that
// no later reload of the store can lose the new player.
class NewPlayerDialog final : public QDialog {
    Q_OBJECT

public:
    NewPlayerDialog(PlayerStore& store, QWidget* parent);

    // The name of the player Create added, in Windows-1252; empty before.
    const std::string& createdName() const { return createdName_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void loadPhoto();
    void create();

    PlayerStore& store_;
    PlayerRecord record_;
    std::string createdName_;
    QLineEdit* name_ = nullptr;
    QLineEdit* age_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QWidget* photoSpot_ = nullptr;
};

} // namespace vh::app
