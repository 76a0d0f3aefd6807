#include "board/raster.h"

#include <algorithm>
#include <cstdint>
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

} // namespace

void transferBlock(PixelImage& dest, int destX, int destY, int width, int height,
                   const PixelImage& source, int sourceX, int sourceY, RasterOp op) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const Span columns = clipSpan(width, destX, dest.width(), sourceX, source.width());
    const Span rows = clipSpan(height, destY, dest.height(), sourceY, source.height());
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
                       int sourceHeight, RasterOp op) {
    if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
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
