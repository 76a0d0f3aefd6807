#pragma once

#include "app/option_page.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace vh::app {

// "Timer Setup": whether the game is played with clocks, the time each
// player starts with and the time added per move.
class TimerSetupPage final : public OptionPage {
    Q_OBJECT

public:
    explicit TimerSetupPage(QWidget* parent);

protected:
    void load(const GameSettings& settings) override;
    void store(GameSettings& settings) override;

private:
    void enableTimes();

    QCheckBox* useTimer_ = nullptr;
    // Initial minutes and seconds, then minutes and seconds added per move.
    std::array<QLineEdit*, 4> times_{};
};

} // namespace vh::app
