#pragma once

#include <filesystem>
#include <vector>

namespace vh {

// Plays a sound file without waiting for it to end. The window layer plays
// real sound; headless runs are silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::filesystem::path& file) = 0;
};

class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(const std::filesystem::path&) override {}
};

// Keeps the files asked for, in order. For tests.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    void play(const std::filesystem::path& file) override { played_.push_back(file); }
    const std::vector<std::filesystem::path>& played() const { return played_; }

private:
    std::vector<std::filesystem::path> played_;
};

// The sound player of the program: silent until another is installed (not
// owned; nullptr restores the silent one). Main thread only.
SoundPlayer& soundPlayer();
void setSoundPlayer(SoundPlayer* player);

} // namespace vh
