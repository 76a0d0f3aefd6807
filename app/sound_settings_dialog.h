#pragma once

#include "settings/game_settings.h"

#include <QDialog>

class QCheckBox;

namespace vh::app {

// "Sound Settings": whether the game plays its sounds. OK saves the options
// as loaded when the dialog opened, with the choice; Cancel writes nothing.
class SoundSettingsDialog final : public QDialog {
    Q_OBJECT

public:
    explicit SoundSettingsDialog(QWidget* parent);

private:
    void confirm();

    GameSettings settings_;
    QCheckBox* mute_ = nullptr;
};

} // namespace vh::app
