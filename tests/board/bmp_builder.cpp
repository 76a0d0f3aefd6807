#include "tests/board/bmp_builder.h"

namespace vh::test {
namespace {

void put16(std::vector<std::byte>& out, std::uint32_t value) {
    out.push_back(static_cast<std::byte>(value & 0xFF));
    out.push_back(static_cast<std::byte>((value >> 8) & 0xFF));
}

void put32(std::vector<std::byte>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::uint32_t shiftOf(std::uint32_t mask) {
    std::uint32_t shift = 0;
    while (((mask >> shift) & 1u) == 0) {
        ++shift;
    }
    return shift;
}

} // namespace

std::vector<std::byte> buildBmp(const BmpSpec& spec) {
    const bool core = spec.headerSize == 12;
    const bool separateMasks = spec.headerSize == 40 && spec.compression == 3;
    const std::size_t paletteBytes = spec.palette.size() * (core ? 3 : 4);
    const std::uint32_t pixelOffset =
        static_cast<std::uint32_t>(14 + spec.headerSize + (separateMasks ? 12 : 0) + paletteBytes);
    const std::size_t stride =
        (static_cast<std::size_t>(spec.width) * spec.bitsPerPixel + 31) / 32 * 4;

    std::vector<std::byte> out;
    out.push_back(std::byte{'B'});
    out.push_back(std::byte{'M'});
    put32(out, static_cast<std::uint32_t>(pixelOffset + stride * spec.height));
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, spec.headerSize);
    if (core) {
        put16(out, static_cast<std::uint32_t>(spec.width));
        put16(out, static_cast<std::uint32_t>(spec.height));
        put16(out, spec.planes);
        put16(out, static_cast<std::uint32_t>(spec.bitsPerPixel));
    } else {
        put32(out, static_cast<std::uint32_t>(spec.width));
        put32(out, static_cast<std::uint32_t>(spec.topDown ? -spec.height : spec.height));
        put16(out, spec.planes);
        put16(out, static_cast<std::uint32_t>(spec.bitsPerPixel));
        put32(out, spec.compression);
        put32(out, static_cast<std::uint32_t>(stride * spec.height));
        put32(out, 2835);
        put32(out, 2835);
        put32(out, static_cast<std::uint32_t>(spec.palette.size()));
        put32(out, 0);
        const std::size_t headerEnd = out.size() + spec.headerSize - 40;
        for (const std::uint32_t mask : spec.masks) {
            put32(out, mask);
        }
        if (!separateMasks) {
            out.resize(headerEnd, std::byte{0});
        }
    }
    for (const Rgb colour : spec.palette) {
        out.push_back(static_cast<std::byte>(colour.blue));
        out.push_back(static_cast<std::byte>(colour.green));
        out.push_back(static_cast<std::byte>(colour.red));
        if (!core) {
            out.push_back(std::byte{0});
        }
    }
    for (int fileRow = 0; fileRow < spec.height; ++fileRow) {
        const int y = spec.topDown ? fileRow : spec.height - 1 - fileRow;
        std::vector<std::byte> row(stride, std::byte{0});
        for (int x = 0; x < spec.width; ++x) {
            const std::uint32_t value = spec.values[static_cast<std::size_t>(y * spec.width + x)];
            const std::size_t bit = static_cast<std::size_t>(x) * spec.bitsPerPixel;
            if (spec.bitsPerPixel <= 8) {
                const std::size_t shift = 8 - spec.bitsPerPixel - bit % 8;
                row[bit / 8] |= static_cast<std::byte>(value << shift);
            } else if (spec.bitsPerPixel == 24) {
                row[bit / 8] = static_cast<std::byte>(value & 0xFF);
                row[bit / 8 + 1] = static_cast<std::byte>((value >> 8) & 0xFF);
                row[bit / 8 + 2] = static_cast<std::byte>((value >> 16) & 0xFF);
            } else {
                std::uint32_t packed = value; // 0x00RRGGBB is the plain 32-bit layout
                if (!spec.masks.empty()) {
                    packed = ((value >> 16 & 0xFF) << shiftOf(spec.masks[0])) |
                             ((value >> 8 & 0xFF) << shiftOf(spec.masks[1])) |
                             ((value & 0xFF) << shiftOf(spec.masks[2]));
                }
                for (int index = 0; index < 4; ++index) {
                    row[bit / 8 + static_cast<std::size_t>(index)] =
                        static_cast<std::byte>((packed >> (8 * index)) & 0xFF);
                }
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    if (spec.dropLastRowPadding) {
        out.resize(out.size() -
                   (stride - (static_cast<std::size_t>(spec.width) * spec.bitsPerPixel + 7) / 8));
    }
    return out;
}

PixelImage expectedImage(const BmpSpec& spec) {
    PixelImage image(spec.width, spec.height);
    for (int y = 0; y < spec.height; ++y) {
        for (int x = 0; x < spec.width; ++x) {
            const std::uint32_t value = spec.values[static_cast<std::size_t>(y * spec.width + x)];
            image.at(x, y) = spec.bitsPerPixel <= 8 ? spec.palette[value]
                                                    : Rgb{static_cast<std::uint8_t>(value >> 16),
                                                          static_cast<std::uint8_t>(value >> 8),
                                                          static_cast<std::uint8_t>(value)};
        }
    }
    return image;
}

std::vector<BmpSpec> sampleSpecs() {
    std::vector<BmpSpec> specs;
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    const auto make = [&](int bits, int width, int height, std::uint32_t headerSize, bool topDown) {
        BmpSpec spec;
        spec.width = width;
        spec.height = height;
        spec.bitsPerPixel = bits;
        spec.headerSize = headerSize;
        spec.topDown = topDown;
        if (bits <= 8) {
            const std::size_t colours = std::size_t{1} << bits;
            for (std::size_t index = 0; index < colours; ++index) {
                const std::uint32_t c = next();
                spec.palette.push_back({static_cast<std::uint8_t>(c),
                                        static_cast<std::uint8_t>(c >> 8),
                                        static_cast<std::uint8_t>(c >> 16)});
            }
        }
        for (int pixel = 0; pixel < width * height; ++pixel) {
            spec.values.push_back(bits <= 8 ? next() % (1u << bits) : next() & 0xFFFFFF);
        }
        return spec;
    };
    specs.push_back(make(1, 13, 5, 40, false));
    specs.push_back(make(4, 7, 6, 40, true));
    specs.push_back(make(8, 5, 4, 40, false));
    specs.push_back(make(24, 5, 3, 40, false));
    specs.push_back(make(24, 6, 4, 124, true));
    specs.push_back(make(32, 4, 3, 40, false));
    specs.push_back(make(8, 3, 3, 12, false));
    BmpSpec fields = make(32, 3, 4, 40, false);
    fields.compression = 3;
    fields.masks = {0x0000FF00u, 0x00FF0000u, 0xFF000000u};
    specs.push_back(fields);
    BmpSpec v4 = make(32, 4, 2, 108, true);
    v4.compression = 3;
    v4.masks = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    specs.push_back(v4);
    return specs;
}

} // namespace vh::test
