#pragma once

#include "board/pixel_image.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vh {

// The picture as a PNG file (24-bit colour); empty for an empty picture.
std::vector<std::byte> encodePng(const PixelImage& image);
// Packed 8-bit samples, `channels` (3 RGB, 4 RGBA) a pixel, row 0 first, as
// a PNG file; empty when they cannot be encoded.
std::vector<std::byte> encodePngSamples(std::span<const std::uint8_t> samples, int width,
                                        int height, int channels);
bool savePngFile(const std::filesystem::path& path, const PixelImage& image,
                 std::string* error = nullptr);

} // namespace vh
