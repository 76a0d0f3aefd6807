#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"

namespace vh {

// The "- Game Paused -" notice of a paused game: white letters over a black
// shadow two pixels down and right, Arial 24 bold, centred over `area`.
//
// `area` is in the board area's logical pixels; the target is the board area
// at `scale` times its size (the screen's device pixel ratio), and the notice
// is drawn at physical resolution.
void drawPauseNotice(PixelImage& target, const Rect& area, float scale);

// The part of the target the notice covers, shadow included.
Rect pauseNoticeRect(const Rect& area, float scale);

} // namespace vh
