#pragma once

#include "assets/image.h"
#include "assets/portrait_look.h"

namespace vh::assets {

// A painted head-and-shoulders portrait of a computer opponent.
Image paintPortrait(const PortraitLook& look);

// "Human.bmp", the standard photo of a player without one: a neutral
// silhouette on a studio backdrop.
Image paintStandardPhoto();

// Panels stretch photos into 75 x 100; twice that keeps them sharp elsewhere.
constexpr int kPortraitWidth = 150;
constexpr int kPortraitHeight = 200;

} // namespace vh::assets
