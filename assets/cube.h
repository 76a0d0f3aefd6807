#pragma once

#include "assets/font.h"
#include "assets/image.h"

namespace vh::assets {

// The doubling cube seen from above, showing `value` (2 to 64). The board
// shrinks it to half a checker on the bar, so the number fills the face.
Image paintCubeFace(int value, const Font& numberFont);

constexpr int kCubeSize = 128;

// The seven cube pictures in file order: 64 for the centred cube, then 2 to 64.
constexpr int kCubePictureValues[7] = {64, 2, 4, 8, 16, 32, 64};

} // namespace vh::assets
