#pragma once

// The pointer positions inside the program's two cursor pictures,
// "Graphics/Cursor Hand.png" (an open hand, over a checker that may be picked
// up) and "Graphics/Cursor Grab.png" (a closed hand, while a checker is
// dragged), both kCursorSize pixels square. Both lie in the middle of the
// palm: a dragged checker is drawn centred on the pointer, under the hand.
// Included by the picture generator and by the game window alike, so it
// depends on nothing.

namespace vh::assets {

struct CursorHotSpot {
    int x;
    int y;
};

inline constexpr int kCursorSize = 32;
inline constexpr CursorHotSpot kHandCursorHotSpot{17, 21};
inline constexpr CursorHotSpot kGrabCursorHotSpot{17, 20};

} // namespace vh::assets
