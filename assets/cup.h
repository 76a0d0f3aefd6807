#pragma once

#include "assets/image.h"

namespace vh::assets {

// The leather dice cup a human presses to roll: standing upright, seen a
// little from above, with rolled rims and gold tooling. It sits to the right
// of the player's photo on the panel.
Sprite paintDiceCup();

constexpr int kDiceCupWidth = 60;
constexpr int kDiceCupHeight = 90;

} // namespace vh::assets
