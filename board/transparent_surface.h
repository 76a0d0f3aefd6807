#pragma once

#include "board/surface.h"

#include <filesystem>

namespace vh {

// A picture with a mask: where the mask is white the picture is drawn, where
// it is black the background shows through (the picture is black there). Both
// come from .bmp files of the same size.
class CTransparentSurface {
public:
    // Loads the picture and then the mask. Each file that cannot be loaded is
    // reported in an OK box ("... could not be loaded! (CTransparentSurface)"),
    // then a size difference between the two; the pair counts as loaded in
    // every case and draws what it has.
    void Load(const std::filesystem::path& picturePath, const std::filesystem::path& maskPath);
    void Release();

    // Masked copy of the whole picture at (x, y): where the mask is white the
    // picture replaces the background, where it is black the background
    // stays, and grey mask edges blend the two by their coverage (see
    // transferMasked).
    void Draw(PixelImage& context, int x, int y) const;
    // Masked, smoothly scaled copy of a source rectangle into a destination
    // rectangle.
    void DrawStretched(PixelImage& context, int destX, int destY, int destWidth, int destHeight,
                       int sourceX, int sourceY, int sourceWidth, int sourceHeight) const;
    // Picture and mask, each scaled smoothly from its whole picture to
    // width x height: drawing the result unscaled looks like a stretched draw
    // and costs only a block transfer.
    CTransparentSurface scaledTo(int width, int height) const;

    const CSurface& picture() const { return picture_; }
    const CSurface& mask() const { return mask_; }
    bool isLoaded() const { return loaded_; }

private:
    CSurface picture_;
    CSurface mask_;
    bool loaded_ = false;
};

} // namespace vh
