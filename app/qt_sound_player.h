#pragma once

#include "platform/sound.h"

#include <QObject>
#include <filesystem>
#include <map>
#include <memory>

class QSoundEffect;

namespace vh::app {

// Plays the game's sounds with Qt Multimedia, without waiting. Each file is
// loaded once. On a machine without an audio output it stays silent.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void play(const std::filesystem::path& file) override;

private:
    bool hasOutput_ = false;
    std::map<std::filesystem::path, std::unique_ptr<QSoundEffect>> effects_;
};

} // namespace vh::app
