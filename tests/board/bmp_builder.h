#pragma once

#include "board/pixel_image.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vh::test {

// Writes .bmp files field by field, independent of the program's writer, so
// the reader can be checked against files laid out by hand.
struct BmpLayout {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;
    bool topDown = false;
    std::uint32_t headerSize = 40; // 12, 40, 108 or 124
    std::uint32_t compression = 0;
    std::uint16_t planes = 1;
    std::vector<Rgb> palette;          // for 1, 4 and 8 bits
    std::vector<std::uint32_t> values; // one per pixel, row 0 on top: index or 0xRRGGBB
    std::vector<std::uint32_t> masks;  // 32-bit bit fields: red, green, blue
    bool dropLastRowPadding = false;
};

std::vector<std::byte> buildBmp(const BmpLayout& layout);

// The picture a layout describes, as the reader should return it.
PixelImage expectedImage(const BmpLayout& layout);

// A picture whose every pixel tells where it came from.
PixelImage numbered(int width, int height);

// A small layout of each depth, with colours all over the place.
std::vector<BmpLayout> sampleLayouts();

} // namespace vh::test
