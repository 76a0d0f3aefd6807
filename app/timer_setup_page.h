#pragma once

#include "settings/game_settings.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;

namespace vh::app {

// "Timer Setup": whether the game is played with clocks, the time each
// player starts with and the time added per move.
class TimerSetupPage final : public QWidget {
    Q_OBJECT

public:
    explicit TimerSetupPage(QWidget* parent);

    // Writes the page's fields into Data/Settings.dat; nothing when the page
    // was never shown.
    void apply();
    bool wasShown() const { return shown_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void initialise();
    void enableTimes();

    GameSettings settings_;
    QCheckBox* useTimer_ = nullptr;
    // Initial minutes and seconds, then minutes and seconds added per move.
    std::array<QLineEdit*, 4> times_{};
    bool shown_ = false;
};

} // namespace vh::app
