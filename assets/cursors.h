#pragma once

#include "assets/cursor_hot_spots.h"
#include "assets/image.h"

namespace vh::assets {

// The two hand cursors, kCursorSize pixels square with coverage: white hands
// inside a black outline, readable on any background. The open hand shows its
// palm with the fingers spread; the grabbing hand is a fist seen from above.
Canvas paintHandCursor();
Canvas paintGrabCursor();

} // namespace vh::assets
