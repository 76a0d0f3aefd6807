#include "board/pixel_image.h"

#include <algorithm>

namespace vh {

PixelImage::PixelImage(int width, int height, Rgb fill) {
    if (width > 0 && height > 0) {
        width_ = width;
        height_ = height;
        pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    }
}

void PixelImage::fill(Rgb colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

} // namespace vh
