#include "board/raster.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stb_image_resize.h>
#include <vector>

namespace vh {
namespace {

Rgb combine(Rgb dest, Rgb source, RasterOp op) {
    switch (op) {
    case RasterOp::SourceCopy:
        return source;
    case RasterOp::SourcePaint:
        return {static_cast<std::uint8_t>(dest.red | source.red),
                static_cast<std::uint8_t>(dest.green | source.green),
                static_cast<std::uint8_t>(dest.blue | source.blue)};
    case RasterOp::AndNotSource:
        return {static_cast<std::uint8_t>(dest.red & ~source.red),
                static_cast<std::uint8_t>(dest.green & ~source.green),
                static_cast<std::uint8_t>(dest.blue & ~source.blue)};
    }
    return source;
}

// The span [first, last) of offsets 0..size-1 along one axis for which both
// the destination (at destStart + offset) and the source (at sourceStart +
// offset) lie inside their pictures. Computed in 64 bits, so wild arguments
// cannot overflow.
struct Span {
    std::int64_t first;
    std::int64_t last;
};

Span clipSpan(std::int64_t size, std::int64_t destStart, std::int64_t destLimit,
              std::int64_t sourceStart, std::int64_t sourceLimit) {
    const std::int64_t first = std::max({std::int64_t{0}, -destStart, -sourceStart});
    const std::int64_t last = std::min({size, destLimit - destStart, sourceLimit - sourceStart});
    return {first, std::max(first, last)};
}

// The largest picture a smooth stretch makes, more than an 8K screen.
constexpr std::int64_t kMaxSmoothPixels = std::int64_t{1} << 26;

bool insidePicture(const PixelImage& picture, std::int64_t x, std::int64_t y, std::int64_t width,
                   std::int64_t height) {
    return x >= 0 && y >= 0 && width >= 1 && height >= 1 && x + width <= picture.width() &&
           y + height <= picture.height();
}

stbir_filter filterFor(int from, int to) {
    // Box averaging where a picture shrinks, linear interpolation where it grows.
    return to < from ? STBIR_FILTER_BOX : STBIR_FILTER_TRIANGLE;
}

std::uint8_t blendChannel(std::uint8_t dest, std::uint8_t picture, std::uint8_t mask) {
    if (mask == 0) {
        return static_cast<std::uint8_t>(dest | picture);
    }
    if (mask == 255) {
        return picture;
    }
    const int kept = (dest * (255 - mask) + 127) / 255;
    return static_cast<std::uint8_t>(std::min(255, kept + picture));
}

} // namespace

PixelImage resampled(const PixelImage& source, int sourceX, int sourceY, int sourceWidth,
                     int sourceHeight, int width, int height) {
    if (width < 1 || height < 1 ||
        !insidePicture(source, sourceX, sourceY, sourceWidth, sourceHeight) ||
        std::int64_t{width} * height > kMaxSmoothPixels) {
        return {};
    }
    PixelImage out(width, height);
    static_assert(sizeof(Rgb) == 3, "pixels are packed bytes");
    const auto* input = reinterpret_cast<const unsigned char*>(&source.at(sourceX, sourceY));
    auto* output = reinterpret_cast<unsigned char*>(&out.at(0, 0));
    stbir_resize(input, sourceWidth, sourceHeight, source.width() * 3, output, width, height,
                 width * 3, STBIR_TYPE_UINT8, 3, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
                 STBIR_EDGE_CLAMP, filterFor(sourceWidth, width), filterFor(sourceHeight, height),
                 STBIR_COLORSPACE_LINEAR, nullptr);
    return out;
}

PixelImage resampled(const PixelImage& source, int width, int height) {
    return resampled(source, 0, 0, source.width(), source.height(), width, height);
}

void transferMasked(PixelImage& dest, int destX, int destY, int width, int height,
                    const PixelImage& picture, const PixelImage& mask, int sourceX, int sourceY) {
    if (picture.width() != mask.width() || picture.height() != mask.height()) {
        transferBlock(dest, destX, destY, width, height, mask, sourceX, sourceY,
                      RasterOp::AndNotSource);
        transferBlock(dest, destX, destY, width, height, picture, sourceX, sourceY,
                      RasterOp::SourcePaint);
        return;
    }
    if (width <= 0 || height <= 0) {
        return;
    }
    const Span columns = clipSpan(width, destX, dest.width(), sourceX, picture.width());
    const Span rows = clipSpan(height, destY, dest.height(), sourceY, picture.height());
    if (columns.first >= columns.last) {
        return;
    }
    const auto count = static_cast<std::size_t>(columns.last - columns.first);
    for (std::int64_t row = rows.first; row < rows.last; ++row) {
        const auto sx = static_cast<int>(sourceX + columns.first);
        const auto sy = static_cast<int>(sourceY + row);
        Rgb* target =
            &dest.at(static_cast<int>(destX + columns.first), static_cast<int>(destY + row));
        const Rgb* colour = &picture.at(sx, sy);
        const Rgb* cover = &mask.at(sx, sy);
        for (std::size_t i = 0; i < count; ++i) {
            const Rgb m = cover[i];
            if (m == kWhite) {
                target[i] = colour[i];
            } else if (m == kBlack) {
                const Rgb c = colour[i];
                target[i] = {static_cast<std::uint8_t>(target[i].red | c.red),
                             static_cast<std::uint8_t>(target[i].green | c.green),
                             static_cast<std::uint8_t>(target[i].blue | c.blue)};
            } else {
                target[i] = {blendChannel(target[i].red, colour[i].red, m.red),
                             blendChannel(target[i].green, colour[i].green, m.green),
                             blendChannel(target[i].blue, colour[i].blue, m.blue)};
            }
        }
    }
}

void transferBlock(PixelImage& dest, int destX, int destY, int width, int height,
                   const PixelImage& source, int sourceX, int sourceY, RasterOp op) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const Span columns = clipSpan(width, destX, dest.width(), sourceX, source.width());
    const Span rows = clipSpan(height, destY, dest.height(), sourceY, source.height());
    if (op == RasterOp::SourceCopy) {
        if (columns.first >= columns.last) {
            return;
        }
        const auto bytes = static_cast<std::size_t>(columns.last - columns.first) * sizeof(Rgb);
        for (std::int64_t row = rows.first; row < rows.last; ++row) {
            std::memmove(
                &dest.at(static_cast<int>(destX + columns.first), static_cast<int>(destY + row)),
                &source.at(static_cast<int>(sourceX + columns.first),
                           static_cast<int>(sourceY + row)),
                bytes);
        }
        return;
    }
    for (std::int64_t row = rows.first; row < rows.last; ++row) {
        const auto dy = static_cast<int>(destY + row);
        const auto sy = static_cast<int>(sourceY + row);
        for (std::int64_t column = columns.first; column < columns.last; ++column) {
            Rgb& target = dest.at(static_cast<int>(destX + column), dy);
            target = combine(target, source.at(static_cast<int>(sourceX + column), sy), op);
        }
    }
}

void transferStretched(PixelImage& dest, int destX, int destY, int destWidth, int destHeight,
                       const PixelImage& source, int sourceX, int sourceY, int sourceWidth,
                       int sourceHeight, RasterOp op, StretchFilter filter) {
    if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return;
    }
    // A smooth stretch scales the whole rectangle first; wild sizes, which no
    // caller means, are drawn nearest-pixel.
    if (filter == StretchFilter::Smooth &&
        insidePicture(source, sourceX, sourceY, sourceWidth, sourceHeight) &&
        std::int64_t{destWidth} * destHeight <= kMaxSmoothPixels) {
        const PixelImage scaled =
            resampled(source, sourceX, sourceY, sourceWidth, sourceHeight, destWidth, destHeight);
        transferBlock(dest, destX, destY, destWidth, destHeight, scaled, 0, 0, op);
        return;
    }
    // Only the destination pixels inside the destination picture are visited.
    const std::int64_t firstColumn = std::max<std::int64_t>(0, -std::int64_t{destX});
    const std::int64_t lastColumn =
        std::min<std::int64_t>(destWidth, std::int64_t{dest.width()} - destX);
    const std::int64_t firstRow = std::max<std::int64_t>(0, -std::int64_t{destY});
    const std::int64_t lastRow =
        std::min<std::int64_t>(destHeight, std::int64_t{dest.height()} - destY);
    if (firstColumn >= lastColumn || firstRow >= lastRow) {
        return;
    }
    // Source column of each visited destination column; -1 where it falls
    // outside the source picture.
    std::vector<int> sourceColumns(static_cast<std::size_t>(lastColumn - firstColumn));
    for (std::int64_t column = firstColumn; column < lastColumn; ++column) {
        const std::int64_t x =
            sourceX + (2 * column + 1) * sourceWidth / (2 * std::int64_t{destWidth});
        sourceColumns[static_cast<std::size_t>(column - firstColumn)] =
            x >= 0 && x < source.width() ? static_cast<int>(x) : -1;
    }
    for (std::int64_t row = firstRow; row < lastRow; ++row) {
        const std::int64_t y =
            sourceY + (2 * row + 1) * sourceHeight / (2 * std::int64_t{destHeight});
        if (y < 0 || y >= source.height()) {
            continue;
        }
        const auto dy = static_cast<int>(destY + row);
        for (std::int64_t column = firstColumn; column < lastColumn; ++column) {
            const int x = sourceColumns[static_cast<std::size_t>(column - firstColumn)];
            if (x < 0) {
                continue;
            }
            Rgb& target = dest.at(static_cast<int>(destX + column), dy);
            target = combine(target, source.at(x, static_cast<int>(y)), op);
        }
    }
}

} // namespace vh
