#include "board/surface.h"

#include "board/picture_file.h"
#include "platform/message_box.h"

namespace vh {

void CSurface::Load(const std::filesystem::path& path) {
    Release();
    if (std::optional<BmpPicture> loaded = loadPictureFile(path)) {
        Adopt(std::move(loaded->image), loaded->bitsPerPixel);
        return;
    }
    Refuse(path);
}

void CSurface::Refuse(const std::filesystem::path& path) {
    Release();
    showMessage(kApplicationTitle, path.string() + " could not be loaded!");
    loaded_ = true;
}

void CSurface::Create(int width, int height) {
    Adopt(PixelImage(width, height), 24);
}

void CSurface::Adopt(PixelImage picture, int bitsPerPixel) {
    picture_ = std::move(picture);
    bitsPerPixel_ = picture_.empty() ? 0 : bitsPerPixel;
    loaded_ = true;
}

void CSurface::Release() {
    picture_ = PixelImage();
    bitsPerPixel_ = 0;
    loaded_ = false;
}

void CSurface::Draw(PixelImage& context, int x, int y, RasterOp op) const {
    transferBlock(context, x, y, picture_.width(), picture_.height(), picture_, 0, 0, op);
}

void CSurface::DrawPart(PixelImage& context, int sourceX, int sourceY, int width, int height,
                        int destX, int destY, RasterOp op) const {
    transferBlock(context, destX, destY, width, height, picture_, sourceX, sourceY, op);
}

void CSurface::DrawStretched(PixelImage& context, int destX, int destY, int destWidth,
                             int destHeight, int sourceX, int sourceY, int sourceWidth,
                             int sourceHeight, RasterOp op, StretchFilter filter) const {
    transferStretched(context, destX, destY, destWidth, destHeight, picture_, sourceX, sourceY,
                      sourceWidth, sourceHeight, op, filter);
}

CSurface CSurface::scaledTo(int width, int height) const {
    CSurface scaled;
    if (!picture_.empty()) {
        scaled.Adopt(resampled(picture_, width, height), bitsPerPixel_);
    }
    return scaled;
}

} // namespace vh
