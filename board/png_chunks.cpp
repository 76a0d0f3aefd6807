#include "board/png_chunks.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vh {
namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkHeaderBytes = 8; // length, type
constexpr std::size_t kChunkCrcBytes = 4;
constexpr std::array<std::byte, 4> kEndType{std::byte{'I'}, std::byte{'E'}, std::byte{'N'},
                                            std::byte{'D'}};

std::uint32_t bigEndian32(std::span<const std::byte> bytes) {
    std::uint32_t value = 0;
    for (const std::byte b : bytes.first(4)) {
        value = value << 8 | static_cast<std::uint32_t>(b);
    }
    return value;
}

} // namespace

bool pngChunksFitTheFile(std::span<const std::byte> bytes, std::string& reason) {
    std::size_t at = kSignatureBytes;
    while (at + kChunkHeaderBytes <= bytes.size()) {
        const std::size_t length = bigEndian32(bytes.subspan(at));
        // The last chunk's checksum may be missing: stb_image does not need it.
        if (length > bytes.size() - at - kChunkHeaderBytes) {
            reason = "the PNG file ends inside a chunk";
            return false;
        }
        const auto type = bytes.subspan(at + 4, 4);
        if (std::equal(type.begin(), type.end(), kEndType.begin())) {
            return true;
        }
        at += kChunkHeaderBytes + length + kChunkCrcBytes;
    }
    return true;
}

} // namespace vh
