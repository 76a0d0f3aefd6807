#pragma once

#include "assets/image.h"
#include "tests/support/temp_directory.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vh::assets::test {

std::filesystem::path programDir();
using vh::test::readBytes;

// A .bmp file the build wrote, read with the program's reader; empty, and a
// failed expectation, where it cannot be read.
Image builtPicture(const std::string& relative);

// A PNG picture with 8-bit red, green, blue and alpha, rows from the top.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // four bytes a pixel

    const std::uint8_t* at(int x, int y) const {
        return &rgba[static_cast<std::size_t>((y * width + x) * 4)];
    }
};
// A PNG file the build wrote, checked to hold 8-bit colour with alpha.
RgbaPicture builtPngWithAlpha(const std::string& relative);

} // namespace vh::assets::test
