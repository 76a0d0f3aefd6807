#include "board/bmp_file.h"

#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/file_bytes.h"

#include <array>
#include <bit>
#include <cstdint>

namespace vh {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionBitFields = 3;
// A 32-bit picture at the largest size, plus headers, with room to spare.
constexpr std::size_t kMaxBmpFileBytes = 4 * static_cast<std::size_t>(kMaxBmpPixels) + (1 << 20);

std::optional<BmpPicture> refuse(std::string* reason, const std::string& why) {
    if (reason != nullptr) {
        *reason = why;
    }
    return std::nullopt;
}

// One colour channel of a 32-bit pixel, described by its mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static std::optional<Channel> fromMask(std::uint32_t mask) {
        if (mask == 0) {
            return std::nullopt;
        }
        Channel channel;
        channel.mask = mask;
        channel.shift = std::countr_zero(mask);
        const std::uint32_t shifted = mask >> channel.shift;
        if ((shifted & (shifted + 1)) != 0) {
            return std::nullopt; // the bits are not contiguous
        }
        channel.bits = std::popcount(mask);
        return channel;
    }

    std::uint8_t extract(std::uint32_t pixel) const {
        const std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) {
            return static_cast<std::uint8_t>(value >> (bits - 8));
        }
        const std::uint32_t maximum = (1u << bits) - 1;
        return static_cast<std::uint8_t>((value * 255 + maximum / 2) / maximum);
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows stored top-down
    int bitsPerPixel = 0;
    std::uint32_t compression = kCompressionNone;
    std::uint32_t coloursUsed = 0;
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{0x00FF0000u, 0x0000FF00u, 0x000000FFu};
};

// The fields both header kinds share, once read.
bool takeSize(Header& header, std::int64_t width, std::int64_t height, std::uint16_t planes,
              std::uint16_t bits, std::uint32_t headerSize, std::string& why) {
    if (planes != 1) {
        why = "the picture has " + std::to_string(planes) + " planes";
        return false;
    }
    header.width = width;
    header.height = height;
    header.bitsPerPixel = bits;
    header.paletteOffset = kFileHeaderSize + headerSize;
    return true;
}

bool readHeader(BinaryReader& in, std::uint32_t headerSize, Header& header, std::string& why) {
    if (headerSize == kCoreHeaderSize) {
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        std::uint16_t planes = 0;
        std::uint16_t bits = 0;
        if (!in.readUInt16(width) || !in.readUInt16(height) || !in.readUInt16(planes) ||
            !in.readUInt16(bits)) {
            why = "the picture header is cut short";
            return false;
        }
        header.paletteEntrySize = 3;
        return takeSize(header, width, height, planes, bits, headerSize, why);
    }
    if (headerSize != kInfoHeaderSize && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124) {
        why = "unknown picture header of " + std::to_string(headerSize) + " bytes";
        return false;
    }
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bits = 0;
    std::uint32_t imageSize = 0;
    std::int32_t resolution = 0;
    std::uint32_t important = 0;
    if (!in.readInt32(width) || !in.readInt32(height) || !in.readUInt16(planes) ||
        !in.readUInt16(bits) || !in.readUInt32(header.compression) || !in.readUInt32(imageSize) ||
        !in.readInt32(resolution) || !in.readInt32(resolution) ||
        !in.readUInt32(header.coloursUsed) || !in.readUInt32(important)) {
        why = "the picture header is cut short";
        return false;
    }
    if (!takeSize(header, width, height, planes, bits, headerSize, why)) {
        return false;
    }
    if (header.compression == kCompressionBitFields) {
        // The masks follow a 40-byte header, or are part of a longer one.
        for (std::uint32_t& mask : header.masks) {
            if (!in.readUInt32(mask)) {
                why = "the colour masks are cut short";
                return false;
            }
        }
        if (headerSize == kInfoHeaderSize) {
            header.paletteOffset += 12;
        }
    }
    return true;
}

bool checkHeader(const Header& header, std::string& why) {
    const int bits = header.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
        why = std::to_string(bits) + "-bit pictures are not supported";
        return false;
    }
    if (header.compression == kCompressionBitFields) {
        if (bits != 32) {
            why = "colour masks are supported for 32-bit pictures only";
            return false;
        }
    } else if (header.compression != kCompressionNone) {
        why = "compressed pictures are not supported";
        return false;
    }
    const std::int64_t rows = header.height < 0 ? -header.height : header.height;
    if (header.width <= 0 || rows == 0) {
        why = "the picture has no pixels";
        return false;
    }
    if (header.width > kMaxBmpSide || rows > kMaxBmpSide || header.width * rows > kMaxBmpPixels) {
        why = "the picture is larger than " + std::to_string(kMaxBmpSide) + " pixels a side or " +
              std::to_string(kMaxBmpPixels) + " pixels";
        return false;
    }
    return true;
}

} // namespace

std::optional<BmpPicture> decodeBmp(std::span<const std::byte> bytes, std::string* reason) {
    BinaryReader in(bytes);
    std::uint8_t b = 0;
    std::uint8_t m = 0;
    std::uint32_t fileSize = 0;
    std::uint32_t reserved = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t headerSize = 0;
    if (!in.readUInt8(b) || !in.readUInt8(m) || b != 'B' || m != 'M') {
        return refuse(reason, "not a .bmp file");
    }
    if (!in.readUInt32(fileSize) || !in.readUInt32(reserved) || !in.readUInt32(pixelOffset) ||
        !in.readUInt32(headerSize)) {
        return refuse(reason, "the file header is cut short");
    }
    Header header;
    std::string why;
    if (!readHeader(in, headerSize, header, why) || !checkHeader(header, why)) {
        return refuse(reason, why);
    }

    std::array<std::optional<Channel>, 3> channels;
    for (std::size_t index = 0; index < 3; ++index) {
        channels[index] = Channel::fromMask(header.masks[index]);
        if (!channels[index]) {
            return refuse(reason, "a colour mask is empty or not contiguous");
        }
    }

    // The colour table of a picture of 8 bits or fewer.
    std::vector<Rgb> palette;
    if (header.bitsPerPixel <= 8) {
        const std::uint32_t possible = 1u << header.bitsPerPixel;
        const std::uint32_t count = header.coloursUsed == 0 || header.coloursUsed > possible
                                        ? possible
                                        : header.coloursUsed;
        if (!in.seek(header.paletteOffset)) {
            return refuse(reason, "the colour table lies outside the file");
        }
        palette.reserve(count);
        for (std::uint32_t entry = 0; entry < count; ++entry) {
            std::uint8_t blue = 0;
            std::uint8_t green = 0;
            std::uint8_t red = 0;
            if (!in.readUInt8(blue) || !in.readUInt8(green) || !in.readUInt8(red) ||
                !in.skip(header.paletteEntrySize - 3)) {
                return refuse(reason, "the colour table is cut short");
            }
            palette.push_back({red, green, blue});
        }
    }

    const auto width = static_cast<int>(header.width);
    const auto height = static_cast<int>(header.height < 0 ? -header.height : header.height);
    const std::int64_t rowBits = header.width * header.bitsPerPixel;
    const std::int64_t stride = (rowBits + 31) / 32 * 4;
    const std::int64_t rowBytes = (rowBits + 7) / 8;
    // Some writers leave out the padding of the last row; nothing else may be missing.
    const std::int64_t needed = std::int64_t{pixelOffset} + stride * (height - 1) + rowBytes;
    if (needed > static_cast<std::int64_t>(bytes.size())) {
        return refuse(reason, "the pixels are cut short");
    }

    BmpPicture picture;
    picture.bitsPerPixel = header.bitsPerPixel;
    picture.image = PixelImage(width, height);
    const bool topDown = header.height < 0;
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = topDown ? fileRow : height - 1 - fileRow;
        const std::byte* row = bytes.data() + pixelOffset + stride * fileRow;
        for (int x = 0; x < width; ++x) {
            Rgb& pixel = picture.image.at(x, y);
            switch (header.bitsPerPixel) {
            case 1:
            case 4:
            case 8: {
                const int bits = header.bitsPerPixel;
                const std::int64_t bit = std::int64_t{x} * bits;
                const auto byte = static_cast<unsigned>(row[bit / 8]);
                const unsigned shift =
                    8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bit % 8);
                const unsigned index = (byte >> shift) & ((1u << bits) - 1);
                // An index past a short colour table shows black.
                pixel = index < palette.size() ? palette[index] : kBlack;
                break;
            }
            case 24: {
                const std::byte* p = row + 3 * x;
                pixel = {static_cast<std::uint8_t>(p[2]), static_cast<std::uint8_t>(p[1]),
                         static_cast<std::uint8_t>(p[0])};
                break;
            }
            default: {
                const std::byte* p = row + 4 * x;
                const std::uint32_t value = static_cast<std::uint32_t>(p[0]) |
                                            (static_cast<std::uint32_t>(p[1]) << 8) |
                                            (static_cast<std::uint32_t>(p[2]) << 16) |
                                            (static_cast<std::uint32_t>(p[3]) << 24);
                pixel = {channels[0]->extract(value), channels[1]->extract(value),
                         channels[2]->extract(value)};
                break;
            }
            }
        }
    }
    return picture;
}

std::optional<BmpPicture> loadBmpFile(const std::filesystem::path& path, std::string* reason) {
    const FileBytes file = readFileBytes(path, kMaxBmpFileBytes);
    if (file.status != FileReadStatus::Read) {
        return refuse(reason, file.error);
    }
    return decodeBmp(file.bytes, reason);
}

std::vector<std::byte> encodeBmp(const PixelImage& image) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;
    const std::uint32_t imageSize = stride * height;
    constexpr std::int32_t kPixelsPerMetre = 2835; // 72 dots per inch

    BinaryWriter out;
    out.writeUInt8('B');
    out.writeUInt8('M');
    out.writeUInt32(pixelOffset + imageSize);
    out.writeUInt32(0);
    out.writeUInt32(pixelOffset);
    out.writeUInt32(kInfoHeaderSize);
    out.writeInt32(static_cast<std::int32_t>(width));
    out.writeInt32(static_cast<std::int32_t>(height));
    out.writeUInt16(1);
    out.writeUInt16(24);
    out.writeUInt32(kCompressionNone);
    out.writeUInt32(imageSize);
    out.writeInt32(kPixelsPerMetre);
    out.writeInt32(kPixelsPerMetre);
    out.writeUInt32(0);
    out.writeUInt32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb pixel = image.at(x, y);
            out.writeUInt8(pixel.blue);
            out.writeUInt8(pixel.green);
            out.writeUInt8(pixel.red);
        }
        out.writeZeros(stride - width * 3);
    }
    return out.take();
}

bool saveBmpFile(const std::filesystem::path& path, const PixelImage& image, std::string* error) {
    return writeFileAtomically(path, encodeBmp(image), error);
}

} // namespace vh
