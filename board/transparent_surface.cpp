#include "board/transparent_surface.h"

#include "board/bmp_file.h"
#include "platform/message_box.h"

namespace vh {
namespace {

// Loads one of the pair into `surface`; reports a failure.
void loadPart(CSurface& surface, const std::filesystem::path& path) {
    if (std::optional<BmpPicture> loaded = loadBmpFile(path)) {
        surface.Adopt(std::move(loaded->image), loaded->bitsPerPixel);
        return;
    }
    showMessage(kApplicationTitle, path.string() + " could not be loaded! (CTransparentSurface)");
}

} // namespace

void CTransparentSurface::Load(const std::filesystem::path& picturePath,
                               const std::filesystem::path& maskPath) {
    Release();
    loadPart(picture_, picturePath);
    loadPart(mask_, maskPath);
    if (picture_.width() != mask_.width() || picture_.height() != mask_.height()) {
        showMessage(kApplicationTitle,
                    picturePath.string() +
                        " image and mask not the same size! (CTransparentSurface)");
    }
    loaded_ = true;
}

void CTransparentSurface::Release() {
    picture_.Release();
    mask_.Release();
    loaded_ = false;
}

void CTransparentSurface::Draw(PixelImage& context, int x, int y) const {
    transferMasked(context, x, y, picture_.width(), picture_.height(), picture_.picture(),
                   mask_.picture(), 0, 0);
}

void CTransparentSurface::DrawStretched(PixelImage& context, int destX, int destY, int destWidth,
                                        int destHeight, int sourceX, int sourceY, int sourceWidth,
                                        int sourceHeight) const {
    if (picture_.width() == mask_.width() && picture_.height() == mask_.height()) {
        const PixelImage picture = resampled(picture_.picture(), sourceX, sourceY, sourceWidth,
                                             sourceHeight, destWidth, destHeight);
        const PixelImage mask = resampled(mask_.picture(), sourceX, sourceY, sourceWidth,
                                          sourceHeight, destWidth, destHeight);
        if (!picture.empty()) {
            transferMasked(context, destX, destY, destWidth, destHeight, picture, mask, 0, 0);
            return;
        }
    }
    mask_.DrawStretched(context, destX, destY, destWidth, destHeight, sourceX, sourceY, sourceWidth,
                        sourceHeight, RasterOp::AndNotSource, StretchFilter::Nearest);
    picture_.DrawStretched(context, destX, destY, destWidth, destHeight, sourceX, sourceY,
                           sourceWidth, sourceHeight, RasterOp::SourcePaint,
                           StretchFilter::Nearest);
}

CTransparentSurface CTransparentSurface::scaledTo(int width, int height) const {
    CTransparentSurface scaled;
    scaled.picture_ = picture_.scaledTo(width, height);
    scaled.mask_ = mask_.scaledTo(width, height);
    scaled.loaded_ = loaded_;
    return scaled;
}

} // namespace vh
