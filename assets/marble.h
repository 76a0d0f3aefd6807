#pragma once

#include "assets/image.h"
#include "assets/paint_math.h"

#include <cstdint>

namespace vh::assets {

enum class MarbleKind { RedAndWhite, LightBlue, DarkBlue };

// A polished marble slab: clouded ground, meandering main veins, fine hair veins.
Image paintMarble(MarbleKind kind, int width, int height);

// The field pictures are copied unscaled, cropped to each half of the board,
// once they are wider than half the board: large enough for a full-screen board.
constexpr int kMarbleWidth = 1024;
constexpr int kMarbleHeight = 1400;

} // namespace vh::assets
