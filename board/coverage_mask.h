#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"

#include <cstdint>
#include <vector>

namespace vh {

// A point in pixel space with fractions: pixel (x, y) covers the square from
// (x, y) to (x + 1, y + 1).
struct PointF {
    float x = 0.0f;
    float y = 0.0f;
};

// How much of each pixel of a rectangle a shape covers, 0 (not at all) to
// 255 (wholly): the anti-aliased form of a shape, drawn in any colour.
struct CoverageMask {
    int left = 0; // where the mask's first column and row lie
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage; // row by row

    std::uint8_t at(int x, int y) const {
        return coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(x)];
    }
};

// Paints `colour` through the mask, moved by (dx, dy): each pixel moves
// towards the colour by the mask's coverage. Parts outside the picture are
// left out.
void paintCoverage(PixelImage& image, const CoverageMask& mask, int dx, int dy, Rgb colour);

// A filled triangle with anti-aliased edges.
CoverageMask triangleMask(PointF a, PointF b, PointF c);
// The outline of a triangle: a line of the given width centred on each edge.
CoverageMask triangleOutlineMask(PointF a, PointF b, PointF c, float width);

// A solid rectangle; parts outside the picture are left out.
void fillRect(PixelImage& image, const Rect& rect, Rgb colour);
// A frame of the given thickness just inside the rectangle.
void frameRect(PixelImage& image, const Rect& rect, int thickness, Rgb colour);

} // namespace vh
