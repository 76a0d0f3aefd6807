#include "assets/toolbar.h"

#include "assets/toolbar_pictograms.h"

namespace vh::assets {

namespace {

constexpr int kToolbarScale = 4;

// Pixels covered less than this show the toolbar through; the rest are drawn
// blended over the grey, so no pixel mixes with the key colour.
constexpr float kOpaqueFrom = 0.4f;

} // namespace

Image paintToolbarStrip(PictogramLook look) {
    Canvas canvas(kToolbarPictureWidth * kToolbarPictureCount * kToolbarScale,
                  kToolbarPictureHeight * kToolbarScale);
    paintToolbarPictograms(canvas, kToolbarScale, look);
    const Canvas small = canvas.downsampled(kToolbarScale);
    Image strip = flatten(small, toColour(kToolbarGrey));
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            if (small.at(x, y).a < kOpaqueFrom) {
                strip.at(x, y) = kToolbarTransparent;
            }
        }
    }
    return strip;
}

} // namespace vh::assets
