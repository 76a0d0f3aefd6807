#pragma once

#include "board/pixel_image.h"

namespace vh {

// How a transferred pixel combines with the pixel it lands on.
enum class RasterOp {
    SourceCopy,   // destination = source
    SourcePaint,  // destination = destination OR source
    AndNotSource, // destination = destination AND NOT source (the mask step of a masked draw)
};

// Copies a width x height block of `source` from (sourceX, sourceY) to
// (destX, destY) of `dest`, unscaled. Parts outside either picture are left
// out; negative sizes transfer nothing.
void transferBlock(PixelImage& dest, int destX, int destY, int width, int height,
                   const PixelImage& source, int sourceX, int sourceY, RasterOp op);

// Scales the source rectangle into the destination rectangle, each destination
// pixel taking the source pixel under its centre. Parts outside either picture
// are left out; sizes below 1 transfer nothing.
void transferStretched(PixelImage& dest, int destX, int destY, int destWidth, int destHeight,
                       const PixelImage& source, int sourceX, int sourceY, int sourceWidth,
                       int sourceHeight, RasterOp op);

} // namespace vh
