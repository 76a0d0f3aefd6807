#pragma once

#include "assets/wav.h"

namespace vh::assets {

// Two dice shaken in a leather cup and thrown onto a wooden board; the three
// variants (1-3) differ in rhythm and in the dice's bounces.
Sound diceRattle(int variant);

// A short bright fanfare for a won match.
Sound winJingle();
// A gentle falling phrase for a lost match.
Sound loseJingle();
// A warm rising chime played with the start-up picture.
Sound startupChime();

// Every sound peaks at this level, comfortably below full scale.
constexpr double kSoundPeak = 0.7;

} // namespace vh::assets
