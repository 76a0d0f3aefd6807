#include "board/jpeg_tables.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vh {
namespace {

constexpr unsigned kProgressiveFrame = 0xC2; // SOF2
constexpr unsigned kHuffmanTables = 0xC4;    // DHT
constexpr unsigned kEndOfImage = 0xD9;       // EOI
constexpr unsigned kStartOfScan = 0xDA;      // SOS

// Which of the four DC (class 0) and four AC (class 1) slots hold a table.
using DefinedTables = std::array<std::array<bool, 4>, 2>;

unsigned byteAt(std::span<const std::byte> bytes, std::size_t index) {
    return static_cast<unsigned>(bytes[index]);
}

// Markers without a length: a stuffed zero, TEM, restarts, another SOI.
bool standsAlone(unsigned marker) {
    return marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

void defineTables(std::span<const std::byte> segment, DefinedTables& defined) {
    std::size_t at = 0;
    while (at + 17 <= segment.size()) {
        const unsigned tableClass = byteAt(segment, at) >> 4;
        const unsigned slot = byteAt(segment, at) & 15;
        std::size_t codes = 0;
        for (std::size_t length = 1; length <= 16; ++length) {
            codes += byteAt(segment, at + length);
        }
        at += 17 + codes;
        if (tableClass > 1 || slot > 3 || at > segment.size()) {
            return; // stb_image refuses the segment
        }
        defined[tableClass][slot] = true;
    }
}

// The tables stb_image decodes this scan with: both of each component in a
// sequential frame; in a progressive one, the DC table in a first DC scan,
// none in a DC refinement and the AC table in an AC scan.
bool scanTablesDefined(std::span<const std::byte> segment, bool progressive,
                       const DefinedTables& defined, std::string& reason) {
    if (segment.empty()) {
        return true;
    }
    const std::size_t components = byteAt(segment, 0);
    const std::size_t selectionAt = 1 + 2 * components;
    if (selectionAt + 3 > segment.size()) {
        return true; // stb_image refuses the segment
    }
    const bool dcScan = byteAt(segment, selectionAt) == 0;
    const bool refinement = (byteAt(segment, selectionAt + 2) >> 4) != 0;
    const bool usesDc = !progressive || (dcScan && !refinement);
    const bool usesAc = !progressive || !dcScan;
    for (std::size_t component = 0; component < components; ++component) {
        const unsigned selectors = byteAt(segment, 2 + 2 * component);
        const unsigned dc = selectors >> 4;
        const unsigned ac = selectors & 15;
        if (dc > 3 || ac > 3) {
            return true; // stb_image refuses the segment
        }
        if ((usesDc && !defined[0][dc]) || (usesAc && !defined[1][ac])) {
            reason = "the JPEG file decodes a scan with a Huffman table it does not define";
            return false;
        }
    }
    return true;
}

} // namespace

bool jpegScansHaveTheirTables(std::span<const std::byte> bytes, std::string& reason) {
    DefinedTables defined{};
    bool progressive = false;
    std::size_t at = 2; // after SOI
    while (true) {
        // Entropy-coded data and fill bytes up to the next marker.
        while (at < bytes.size() && byteAt(bytes, at) != 0xFF) {
            ++at;
        }
        while (at < bytes.size() && byteAt(bytes, at) == 0xFF) {
            ++at;
        }
        if (at + 2 >= bytes.size()) {
            return true;
        }
        const unsigned marker = byteAt(bytes, at++);
        if (standsAlone(marker)) {
            continue;
        }
        if (marker == kEndOfImage) {
            return true;
        }
        const std::size_t length = byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
        if (length < 2) {
            return true; // stb_image refuses the segment
        }
        const std::span<const std::byte> segment =
            bytes.subspan(at + 2, std::min(length - 2, bytes.size() - at - 2));
        if (marker == kProgressiveFrame) {
            progressive = true;
        } else if (marker == kHuffmanTables) {
            defineTables(segment, defined);
        } else if (marker == kStartOfScan &&
                   !scanTablesDefined(segment, progressive, defined, reason)) {
            return false;
        }
        at += length;
    }
}

} // namespace vh
