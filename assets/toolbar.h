#pragma once

#include "assets/image.h"
#include "assets/pictogram_pen.h"

namespace vh::assets {

// The toolbar's picture strip in one look: the eight button pictures side by
// side in button order (New Game, Restart Game, Undo Move, Redo Move, Suggest
// Move, Force Move, View Statistics, Help). Every pixel outside the pictures
// is kToolbarTransparent, the bottom left one included, as the window keys
// that colour out; edges are blended towards kToolbarGrey, not the key.
Image paintToolbarStrip(PictogramLook look);

constexpr int kToolbarPictureWidth = 32;
constexpr int kToolbarPictureHeight = 30;
constexpr int kToolbarPictureCount = 8;
constexpr Rgb8 kToolbarTransparent{255, 0, 255};
constexpr Rgb8 kToolbarGrey{214, 214, 214};

} // namespace vh::assets
