#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"

namespace vh {

// What lets a tall stack be counted: its count written on it or beside it,
// and a seam between borne-off checkers lying edge-on.

// Writes `count` centred in `place`, a text cell high, in black or white,
// whichever stands out from `under`, the colour it is written on.
void writeStackCount(PixelImage& image, const Rect& place, int count, Rgb under);

// The colour of the line between two edge-on checkers whose face is
// `checker`: darker than a light checker, lighter than a dark one.
Rgb seamColour(Rgb checker);

} // namespace vh
