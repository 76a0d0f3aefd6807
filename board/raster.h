#pragma once

#include "board/pixel_image.h"

namespace vh {

// How a transferred pixel combines with the pixel it lands on.
enum class RasterOp {
    SourceCopy,   // destination = source
    SourcePaint,  // destination = destination OR source
    AndNotSource, // destination = destination AND NOT source (the mask step of a masked draw)
};

// How a stretched transfer picks its colours.
enum class StretchFilter {
    Nearest, // each destination pixel takes the source pixel under its centre
    Smooth,  // area averaging where the picture shrinks, bilinear where it grows
};

// Copies a width x height block of `source` from (sourceX, sourceY) to
// (destX, destY) of `dest`, unscaled. Parts outside either picture are left
// out; negative sizes transfer nothing.
void transferBlock(PixelImage& dest, int destX, int destY, int width, int height,
                   const PixelImage& source, int sourceX, int sourceY, RasterOp op);

// Scales the source rectangle into the destination rectangle. Parts outside
// either picture are left out; sizes below 1 transfer nothing. A smooth
// stretch needs the source rectangle inside its picture; one that is not is
// drawn nearest-pixel.
void transferStretched(PixelImage& dest, int destX, int destY, int destWidth, int destHeight,
                       const PixelImage& source, int sourceX, int sourceY, int sourceWidth,
                       int sourceHeight, RasterOp op,
                       StretchFilter filter = StretchFilter::Nearest);

// The source rectangle scaled smoothly to width x height; empty when a size
// is below 1, the result would be wildly large (over 64 M pixels) or the
// rectangle does not lie inside the picture.
PixelImage resampled(const PixelImage& source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, int width, int height);
PixelImage resampled(const PixelImage& source, int width, int height);

// Masked copy of a width x height block: each channel becomes
//   destination * (1 - mask) + picture,
// so a white mask shows the picture, a black one keeps the destination and a
// grey edge blends by its coverage. For pure black and white masks this is
// exactly "destination AND NOT mask, then OR picture". Picture and mask are
// read at the same place; a mask of another size than its picture is drawn
// in those two steps instead, each picture at its own size.
void transferMasked(PixelImage& dest, int destX, int destY, int width, int height,
                    const PixelImage& picture, const PixelImage& mask, int sourceX, int sourceY);

} // namespace vh
