#pragma once

#include "app/option_page.h"

class QCheckBox;
class QSlider;

namespace vh::app {

// "Mouse Input": the help the board gives a human player.
class MouseInputPage final : public OptionPage {
    Q_OBJECT

public:
    explicit MouseInputPage(QWidget* parent);

protected:
    void load(const GameSettings& settings) override;
    void store(GameSettings& settings) override;

private:
    QCheckBox* showMoves_ = nullptr;
    QCheckBox* pipNumbers_ = nullptr;
    QCheckBox* tutor_ = nullptr; // kept in the coach's own options file
};

// "Animation": whether and how fast moved checkers glide.
class AnimationPage final : public OptionPage {
    Q_OBJECT

public:
    explicit AnimationPage(QWidget* parent);

protected:
    void load(const GameSettings& settings) override;
    void store(GameSettings& settings) override;

private:
    QCheckBox* complete_ = nullptr;
    QSlider* speed_ = nullptr;
};

} // namespace vh::app
