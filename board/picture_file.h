#pragma once

#include "board/bmp_file.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace vh {

// A picture file as an opaque picture, told apart by its first bytes: a .bmp
// file through the program's own reader, PNG and JPEG through stb_image
// (transparency is dropped). Pictures beyond the .bmp reader's size limits,
// and anything else, are refused with the reason in `reason`.
std::optional<BmpPicture> decodePicture(std::span<const std::byte> bytes,
                                        std::string* reason = nullptr);

// Reads and decodes a picture file.
std::optional<BmpPicture> loadPictureFile(const std::filesystem::path& path,
                                          std::string* reason = nullptr);

} // namespace vh
