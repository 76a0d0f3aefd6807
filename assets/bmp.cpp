#include "assets/bmp.h"

#include "assets/byte_writer.h"

#include <cstdint>
#include <cstdlib>

namespace vh::assets {

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;
constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dots per inch

std::uint32_t rowStride(int width) {
    return (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
}

std::uint32_t readU32(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t readU16(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned>(bytes[at]) |
                                      static_cast<unsigned>(bytes[at + 1]) << 8);
}

} // namespace

std::vector<std::byte> encodeBmp(const Image& image) {
    const std::uint32_t stride = rowStride(image.width);
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height);
    ByteWriter out;
    out.tag("BM");
    out.u32(kHeadersSize + pixelBytes);
    out.u32(0); // reserved
    out.u32(kHeadersSize);
    out.u32(40);
    out.i32(image.width);
    out.i32(image.height); // positive: rows stored bottom-up
    out.u16(1);            // planes
    out.u16(24);
    out.u32(0); // no compression
    out.u32(pixelBytes);
    out.u32(kPixelsPerMetre);
    out.u32(kPixelsPerMetre);
    out.u32(0); // colours used
    out.u32(0); // important colours
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb8& p = image.at(x, y);
            out.u8(p.b);
            out.u8(p.g);
            out.u8(p.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3u; pad < stride;
             ++pad) {
            out.u8(0);
        }
    }
    return std::move(out.bytes());
}

std::optional<Image> decodeBmp(std::span<const std::byte> bytes) {
    if (bytes.size() < kHeadersSize || bytes[0] != std::byte{'B'} || bytes[1] != std::byte{'M'}) {
        return std::nullopt;
    }
    const std::uint32_t offset = readU32(bytes, 10);
    const std::uint32_t infoSize = readU32(bytes, 14);
    const auto width = static_cast<std::int32_t>(readU32(bytes, 18));
    const auto signedHeight = static_cast<std::int32_t>(readU32(bytes, 22));
    if (infoSize < 40 || readU16(bytes, 26) != 1 || readU16(bytes, 28) != 24 ||
        readU32(bytes, 30) != 0 || width <= 0 || signedHeight == 0 || width > 1 << 15 ||
        std::abs(signedHeight) > 1 << 15) {
        return std::nullopt;
    }
    const int height = std::abs(signedHeight);
    const std::uint64_t stride = rowStride(width);
    if (offset < kHeadersSize || offset > bytes.size() ||
        (bytes.size() - offset) < stride * static_cast<std::uint64_t>(height)) {
        return std::nullopt;
    }
    Image image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = signedHeight > 0 ? height - 1 - row : row;
        const std::size_t start =
            offset + static_cast<std::size_t>(stride) * static_cast<std::size_t>(row);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = start + static_cast<std::size_t>(x) * 3;
            image.at(x, y) = {static_cast<std::uint8_t>(bytes[at + 2]),
                              static_cast<std::uint8_t>(bytes[at + 1]),
                              static_cast<std::uint8_t>(bytes[at])};
        }
    }
    return image;
}

} // namespace vh::assets
