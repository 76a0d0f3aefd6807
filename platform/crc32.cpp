#include "platform/crc32.h"

#include <array>

namespace vh {

std::uint32_t crc32(std::span<const std::byte> bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> made{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int bit = 0; bit < 8; ++bit) {
                c = (c & 1u) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            made[n] = c;
        }
        return made;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::byte b : bytes) {
        crc = table[(crc ^ static_cast<std::uint32_t>(b)) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

} // namespace vh
