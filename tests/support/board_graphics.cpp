#include "tests/support/board_graphics.h"

#include "board/bmp_file.h"

#include <stdexcept>
#include <string>

namespace vh::test {
namespace {

void save(const std::filesystem::path& path, const PixelImage& image) {
    std::filesystem::create_directories(path.parent_path());
    if (!saveBmpFile(path, image)) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

PixelImage disc(Rgb inside) {
    PixelImage image(kStonePictureSize, kStonePictureSize, kBlack);
    for (int y = 0; y < kStonePictureSize; ++y) {
        for (int x = 0; x < kStonePictureSize; ++x) {
            const int dx = 2 * x + 1 - kStonePictureSize;
            const int dy = 2 * y + 1 - kStonePictureSize;
            if (dx * dx + dy * dy <= 18 * 18) {
                image.at(x, y) = inside;
            }
        }
    }
    return image;
}

} // namespace

Rgb cubeFaceColour(int index) {
    return {static_cast<std::uint8_t>(10 + 30 * index), 90, 160};
}

void writeBoardGraphics(const std::filesystem::path& programDirectory) {
    const std::filesystem::path folder = programDirectory / "Graphics";
    save(folder / "Wood for Board Dark.bmp", PixelImage(64, 45, kFrameColour));
    save(folder / "Marble for Board Red and White.bmp", PixelImage(32, 48, kRedWhiteMarble));
    save(folder / "Marble for Board Light Blue.bmp", PixelImage(32, 48, kLightBlueMarble));
    save(folder / "Marble for Board Dark Blue.bmp", PixelImage(32, 48, kDarkBlueMarble));
    const char* names[] = {"", "White", "Black", "Red"};
    for (int colour = 1; colour <= 3; ++colour) {
        const std::string name = names[colour];
        const auto c = static_cast<std::size_t>(colour);
        save(folder / (name + " Stone 50x50.bmp"), disc(kStoneColours[c]));
        save(folder / (name + " Stone 50x50 Mask.bmp"), disc(kWhite));
        save(folder / (name + " Vertical Stone.bmp"), PixelImage(20, 6, kVerticalStoneColours[c]));
        save(folder / (name + " Vertical Stone Mask.bmp"), PixelImage(20, 6, kWhite));
    }
    for (int i = 0; i < 7; ++i) {
        save(folder / ("Double" + std::to_string(i) + ".bmp"),
             PixelImage(16, 16, cubeFaceColour(i)));
    }
}

} // namespace vh::test
