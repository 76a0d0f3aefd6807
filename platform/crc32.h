#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vh {

// The CRC-32 of zip and PNG (polynomial 0xEDB88320, reflected, inverted),
// with which the program's binary data files check themselves.
std::uint32_t crc32(std::span<const std::byte> bytes);

} // namespace vh
