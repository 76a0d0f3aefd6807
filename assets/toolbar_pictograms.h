#pragma once

#include "assets/image.h"
#include "assets/pictogram_pen.h"

namespace vh::assets {

// Paints the eight toolbar pictures, each 32 x 30 pixels, side by side in
// button order onto a canvas `scale` times that size.
void paintToolbarPictograms(Canvas& canvas, int scale, PictogramLook look);

} // namespace vh::assets
