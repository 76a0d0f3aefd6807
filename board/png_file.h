#pragma once

#include "board/pixel_image.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vh {

// The picture as a PNG file (24-bit colour); empty for an empty picture.
std::vector<std::byte> encodePng(const PixelImage& image);
bool savePngFile(const std::filesystem::path& path, const PixelImage& image,
                 std::string* error = nullptr);

} // namespace vh
