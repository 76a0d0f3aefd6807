#pragma once

#include "assets/image.h"

#include <string>

namespace vh::assets {

// A painted head-and-shoulders portrait of a computer opponent. Every feature
// (face shape, skin, hair, eyes, glasses, beard, clothes, backdrop) follows
// from a hash of the name, so each name always gets the same face.
Image paintPortrait(const std::string& name);

// "Human.bmp", the standard photo of a player without one: a neutral
// silhouette on a studio backdrop.
Image paintStandardPhoto();

// Panels stretch photos into 75 x 100; twice that keeps them sharp elsewhere.
constexpr int kPortraitWidth = 150;
constexpr int kPortraitHeight = 200;

} // namespace vh::assets
