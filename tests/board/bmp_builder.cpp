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

std::vector<std::byte> buildBmp(const BmpLayout& layout) {
    const bool core = layout.headerSize == 12;
    const bool separateMasks = layout.headerSize == 40 && layout.compression == 3;
    const std::size_t paletteBytes = layout.palette.size() * (core ? 3 : 4);
    const std::uint32_t pixelOffset = static_cast<std::uint32_t>(
        14 + layout.headerSize + (separateMasks ? 12 : 0) + paletteBytes);
    const std::size_t stride =
        (static_cast<std::size_t>(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;

    std::vector<std::byte> out;
    out.push_back(std::byte{'B'});
    out.push_back(std::byte{'M'});
    put32(out, static_cast<std::uint32_t>(pixelOffset + stride * layout.height));
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, layout.headerSize);
    if (core) {
        put16(out, static_cast<std::uint32_t>(layout.width));
        put16(out, static_cast<std::uint32_t>(layout.height));
        put16(out, layout.planes);
        put16(out, static_cast<std::uint32_t>(layout.bitsPerPixel));
    } else {
        put32(out, static_cast<std::uint32_t>(layout.width));
        put32(out, static_cast<std::uint32_t>(layout.topDown ? -layout.height : layout.height));
        put16(out, layout.planes);
        put16(out, static_cast<std::uint32_t>(layout.bitsPerPixel));
        put32(out, layout.compression);
        put32(out, static_cast<std::uint32_t>(stride * layout.height));
        put32(out, 2835);
        put32(out, 2835);
        put32(out, static_cast<std::uint32_t>(layout.palette.size()));
        put32(out, 0);
        const std::size_t headerEnd = out.size() + layout.headerSize - 40;
        for (const std::uint32_t mask : layout.masks) {
            put32(out, mask);
        }
        if (!separateMasks) {
            out.resize(headerEnd, std::byte{0});
        }
    }
    for (const Rgb colour : layout.palette) {
        out.push_back(static_cast<std::byte>(colour.blue));
        out.push_back(static_cast<std::byte>(colour.green));
        out.push_back(static_cast<std::byte>(colour.red));
        if (!core) {
            out.push_back(std::byte{0});
        }
    }
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        const int y = layout.topDown ? fileRow : layout.height - 1 - fileRow;
        std::vector<std::byte> row(stride, std::byte{0});
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t value =
                layout.values[static_cast<std::size_t>(y * layout.width + x)];
            const std::size_t bit = static_cast<std::size_t>(x) * layout.bitsPerPixel;
            if (layout.bitsPerPixel <= 8) {
                const std::size_t shift = 8 - layout.bitsPerPixel - bit % 8;
                row[bit / 8] |= static_cast<std::byte>(value << shift);
            } else if (layout.bitsPerPixel == 24) {
                row[bit / 8] = static_cast<std::byte>(value & 0xFF);
                row[bit / 8 + 1] = static_cast<std::byte>((value >> 8) & 0xFF);
                row[bit / 8 + 2] = static_cast<std::byte>((value >> 16) & 0xFF);
            } else {
                std::uint32_t packed = value; // 0x00RRGGBB is the plain 32-bit layout
                if (!layout.masks.empty()) {
                    packed = ((value >> 16 & 0xFF) << shiftOf(layout.masks[0])) |
                             ((value >> 8 & 0xFF) << shiftOf(layout.masks[1])) |
                             ((value & 0xFF) << shiftOf(layout.masks[2]));
                }
                for (int index = 0; index < 4; ++index) {
                    row[bit / 8 + static_cast<std::size_t>(index)] =
                        static_cast<std::byte>((packed >> (8 * index)) & 0xFF);
                }
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    if (layout.dropLastRowPadding) {
        out.resize(
            out.size() -
            (stride - (static_cast<std::size_t>(layout.width) * layout.bitsPerPixel + 7) / 8));
    }
    return out;
}

PixelImage expectedImage(const BmpLayout& layout) {
    PixelImage image(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t value =
                layout.values[static_cast<std::size_t>(y * layout.width + x)];
            image.at(x, y) = layout.bitsPerPixel <= 8 ? layout.palette[value]
                                                      : Rgb{static_cast<std::uint8_t>(value >> 16),
                                                            static_cast<std::uint8_t>(value >> 8),
                                                            static_cast<std::uint8_t>(value)};
        }
    }
    return image;
}

PixelImage numbered(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = {static_cast<std::uint8_t>(30 * x + 10),
                              static_cast<std::uint8_t>(70 * y + 20),
                              static_cast<std::uint8_t>(200 - x * y)};
        }
    }
    return image;
}

std::vector<BmpLayout> sampleLayouts() {
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    const struct {
        int bits, width, height;
        std::uint32_t headerSize;
        bool topDown;
        std::vector<std::uint32_t> masks; // bit fields when given
    } kinds[] = {
        {1, 13, 5, 40, false, {}},
        {4, 7, 6, 40, true, {}},
        {8, 5, 4, 40, false, {}},
        {24, 5, 3, 40, false, {}},
        {24, 6, 4, 124, true, {}},
        {32, 4, 3, 40, false, {}},
        {8, 3, 3, 12, false, {}},
        {32, 3, 4, 40, false, {0x0000FF00u, 0x00FF0000u, 0xFF000000u}},
        {32, 4, 2, 108, true, {0x00FF0000u, 0x0000FF00u, 0x000000FFu}},
    };
    std::vector<BmpLayout> layouts;
    for (const auto& kind : kinds) {
        BmpLayout layout;
        layout.width = kind.width;
        layout.height = kind.height;
        layout.bitsPerPixel = kind.bits;
        layout.topDown = kind.topDown;
        layout.headerSize = kind.headerSize;
        layout.compression = kind.masks.empty() ? 0 : 3;
        layout.masks = kind.masks;
        for (std::size_t index = 0; kind.bits <= 8 && index < std::size_t{1} << kind.bits;
             ++index) {
            const std::uint32_t c = next();
            layout.palette.push_back({static_cast<std::uint8_t>(c),
                                      static_cast<std::uint8_t>(c >> 8),
                                      static_cast<std::uint8_t>(c >> 16)});
        }
        for (int pixel = 0; pixel < kind.width * kind.height; ++pixel) {
            layout.values.push_back(kind.bits <= 8 ? next() % (1u << kind.bits)
                                                   : next() & 0xFFFFFF);
        }
        layouts.push_back(layout);
    }
    return layouts;
}

} // namespace vh::test
