#pragma once

#include <QDialog>

namespace vh {
class PlayerStore;
}

namespace vh::app {

class PlayerSetupPage;
class TimerSetupPage;

// "New Game": who plays, for how much, and with what clocks. Play writes
// the pages that were shown into the options file; Cancel writes nothing.
class NewGameSheet final : public QDialog {
    Q_OBJECT

public:
    NewGameSheet(PlayerStore& store, QWidget* parent);

    PlayerSetupPage* playerSetup() const { return playerSetup_; }
    TimerSetupPage* timerSetup() const { return timerSetup_; }

private:
    void play();

    PlayerSetupPage* playerSetup_ = nullptr;
    TimerSetupPage* timerSetup_ = nullptr;
};

} // namespace vh::app
