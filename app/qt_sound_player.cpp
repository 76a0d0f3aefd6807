#include "app/qt_sound_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vh::app {

QtSoundPlayer::QtSoundPlayer() : hasOutput_(!QMediaDevices::audioOutputs().isEmpty()) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const std::filesystem::path& file) {
    if (!hasOutput_) {
        return;
    }
    auto& effect = effects_[file];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    }
    // A file that does not exist or cannot be decoded simply plays nothing.
    effect->play();
}

} // namespace vh::app
