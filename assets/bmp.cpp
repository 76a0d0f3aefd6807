#include "assets/bmp.h"

#include "board/bmp_file.h"

namespace vh::assets {

// The painters keep their own image type; the file format is the program's
// one .bmp reader and writer.

std::vector<std::byte> encodeBmp(const Image& image) {
    PixelImage picture(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb8& pixel = image.at(x, y);
            picture.at(x, y) = {pixel.r, pixel.g, pixel.b};
        }
    }
    return vh::encodeBmp(picture);
}

std::optional<Image> decodeBmp(std::span<const std::byte> bytes) {
    const std::optional<BmpPicture> decoded = vh::decodeBmp(bytes);
    if (!decoded || decoded->bitsPerPixel != 24) {
        return std::nullopt;
    }
    const PixelImage& picture = decoded->image;
    Image image(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb& pixel = picture.at(x, y);
            image.at(x, y) = {pixel.red, pixel.green, pixel.blue};
        }
    }
    return image;
}

} // namespace vh::assets
