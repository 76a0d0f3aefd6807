#pragma once

#include "board/pixel_image.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vh {

// The largest picture a .bmp file may hold: enough for an 8K wallpaper.
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t{1} << 25;
inline constexpr int kMaxBmpSide = 16384;

struct BmpPicture {
    PixelImage image;
    int bitsPerPixel = 0; // the colour depth stored in the file
};

// Decodes an uncompressed .bmp file: 1, 4 and 8 bits with a colour table, 24
// bits, and 32 bits (plain or with colour masks); bottom-up or top-down rows.
// Anything else, and any file that does not hold what its headers promise, is
// refused with the reason in `reason`; nothing is read outside the bytes.
std::optional<BmpPicture> decodeBmp(std::span<const std::byte> bytes,
                                    std::string* reason = nullptr);

// Reads and decodes a .bmp file.
std::optional<BmpPicture> loadBmpFile(const std::filesystem::path& path,
                                      std::string* reason = nullptr);

// A 24-bit bottom-up .bmp file of the picture.
std::vector<std::byte> encodeBmp(const PixelImage& image);
bool saveBmpFile(const std::filesystem::path& path, const PixelImage& image,
                 std::string* error = nullptr);

} // namespace vh
