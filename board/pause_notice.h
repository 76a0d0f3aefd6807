#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"

namespace vh {

// The "- Game Paused -" notice over the board of a paused game: white letters
// over a black shadow two pixels down and right, Arial 24 bold, starting 50
// pixels left of the middle of the window's client area and 130 pixels above
// its bottom.
//
// `client` is the client rectangle in window pixels, in the board area's
// origin; the target is that area at `scale` times its size (the screen's
// device pixel ratio), and the notice is drawn at physical resolution.
void drawPauseNotice(PixelImage& target, const Rect& client, float scale);

// The area of the target the notice may touch, for repainting it.
Rect pauseNoticeRect(const Rect& client, float scale);

} // namespace vh
