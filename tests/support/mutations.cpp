#include "tests/support/mutations.h"

#include <array>

namespace vh::test {
namespace {

std::size_t below(std::mt19937& random, std::size_t limit) {
    return limit == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, limit - 1)(random);
}

void putWildValue(std::vector<std::byte>& bytes, std::size_t offset, std::mt19937& random) {
    if (offset + 4 > bytes.size()) {
        return;
    }
    const std::array<std::uint32_t, 8> wild = {
        0xFFFFFFFFu,                                                       // -1
        0x80000000u,                                                       // most negative
        0x7FFFFFFFu,                                                       // most positive
        0x00010000u,                                                       // 65536
        static_cast<std::uint32_t>(random()),                              // anything
        static_cast<std::uint32_t>(random()) & 0xFFu,                      // small
        static_cast<std::uint32_t>(-static_cast<int>(below(random, 100))), // small negative
        static_cast<std::uint32_t>(random()) | 0x00100000u,                // large
    };
    const std::uint32_t value = wild[below(random, wild.size())];
    for (std::size_t index = 0; index < 4; ++index) {
        bytes[offset + index] = static_cast<std::byte>((value >> (8 * index)) & 0xFFu);
    }
}

void mutateOnce(std::vector<std::byte>& bytes, std::mt19937& random,
                std::span<const std::size_t> countOffsets) {
    switch (below(random, 4)) {
    case 0: // cut short
        bytes.resize(below(random, bytes.size() + 1));
        break;
    case 1: { // flip bits
        const std::size_t flips = 1 + below(random, 8);
        for (std::size_t flip = 0; flip < flips && !bytes.empty(); ++flip) {
            bytes[below(random, bytes.size())] ^= static_cast<std::byte>(1u << below(random, 8));
        }
        break;
    }
    case 2: // a wild count where the format keeps one
        if (!countOffsets.empty()) {
            putWildValue(bytes, countOffsets[below(random, countOffsets.size())], random);
            break;
        }
        [[fallthrough]];
    default: // a wild value anywhere
        if (bytes.size() >= 4) {
            putWildValue(bytes, below(random, bytes.size() - 3), random);
        }
        break;
    }
}

} // namespace

std::vector<std::byte> mutate(std::span<const std::byte> original, std::mt19937& random,
                              std::span<const std::size_t> countOffsets) {
    std::vector<std::byte> bytes(original.begin(), original.end());
    mutateOnce(bytes, random, countOffsets);
    if (below(random, 4) == 0) {
        mutateOnce(bytes, random, countOffsets);
    }
    return bytes;
}

} // namespace vh::test
