#pragma once

#include "assets/image.h"

namespace vh::assets {

// The small clock beside a player's time: a brass-rimmed dial at ten past ten.
Sprite paintSmallClock();

constexpr int kSmallClockSize = 24;

} // namespace vh::assets
