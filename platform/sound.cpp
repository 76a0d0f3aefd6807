#include "platform/sound.h"

namespace vh {
namespace {

SilentSoundPlayer silent;
SoundPlayer* installed = &silent;

} // namespace

SoundPlayer& soundPlayer() {
    return *installed;
}

void setSoundPlayer(SoundPlayer* player) {
    installed = player != nullptr ? player : &silent;
}

} // namespace vh
