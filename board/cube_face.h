#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"

namespace vh {

// Writes a cube value that has no picture of its own (above 64) onto a cube
// face already drawn at `face`: the face's printed number is painted over in
// the colour of the bare face around it, and the value is written in the
// board's font, as large as the face allows.
void writeCubeValue(PixelImage& image, const Rect& face, int value);

} // namespace vh
