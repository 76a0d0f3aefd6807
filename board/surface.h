#pragma once

#include "board/pixel_image.h"
#include "board/raster.h"

#include <filesystem>

namespace vh {

// An opaque picture, held as a 24-bit pixel buffer. Drawing goes into another
// pixel buffer, the drawing context (a window's back buffer, another surface).
//
// A surface is empty after construction and after Release, and loaded after
// any Load or Create, even a Load that failed: that one holds no picture (0 by
// 0) and draws nothing.
class CSurface {
public:
    // Reads a .bmp, PNG or JPEG file at its own size. A file that cannot be loaded is
    // reported in an OK box, "<path> could not be loaded!", and the program
    // goes on without the picture.
    void Load(const std::filesystem::path& path);
    // Goes on as after a Load of `path` that failed, with the same box, but
    // without reading it: for a file the program will not open.
    void Refuse(const std::filesystem::path& path);
    // A black picture of the given size.
    void Create(int width, int height);
    // Takes a picture made elsewhere, of the given colour depth.
    void Adopt(PixelImage picture, int bitsPerPixel);
    void Release();

    // The whole picture with its upper left corner at (x, y).
    void Draw(PixelImage& context, int x, int y, RasterOp op = RasterOp::SourceCopy) const;
    // A width x height part from (sourceX, sourceY) to (destX, destY), unscaled.
    void DrawPart(PixelImage& context, int sourceX, int sourceY, int width, int height, int destX,
                  int destY, RasterOp op = RasterOp::SourceCopy) const;
    // A source rectangle scaled into the destination rectangle, smoothly
    // unless asked otherwise.
    void DrawStretched(PixelImage& context, int destX, int destY, int destWidth, int destHeight,
                       int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                       RasterOp op = RasterOp::SourceCopy,
                       StretchFilter filter = StretchFilter::Smooth) const;
    // The whole picture scaled smoothly to width x height, as a new surface
    // (empty when this one is).
    CSurface scaledTo(int width, int height) const;

    // The picture itself, to draw into.
    PixelImage& OpenContext() { return picture_; }
    const PixelImage& picture() const { return picture_; }

    int width() const { return picture_.width(); }
    int height() const { return picture_.height(); }
    int bitsPerPixel() const { return bitsPerPixel_; }
    bool isLoaded() const { return loaded_; }

private:
    PixelImage picture_;
    int bitsPerPixel_ = 0;
    bool loaded_ = false;
};

} // namespace vh
