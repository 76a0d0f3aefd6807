#pragma once

#include "assets/image.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace vh::assets {

// A 24-bit uncompressed Windows bitmap: file header, 40-byte info header,
// rows bottom-up in blue-green-red order, each padded to a multiple of 4 bytes.
std::vector<std::byte> encodeBmp(const Image& image);

// Reads back a file in exactly that format (24 bits, no compression, either row
// order); anything else gives nothing.
std::optional<Image> decodeBmp(std::span<const std::byte> bytes);

} // namespace vh::assets
