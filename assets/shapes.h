#pragma once

#include "assets/image.h"
#include "assets/paint_math.h"

#include <algorithm>
#include <cmath>

namespace vh::assets {

// Signed distances in pixels: negative inside the shape, positive outside.

inline float length(Vec2 v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

inline float sdCircle(Vec2 p, Vec2 centre, float radius) {
    return length({p.x - centre.x, p.y - centre.y}) - radius;
}

// An axis-aligned box of half size (hx, hy) with corners rounded by `radius`.
inline float sdRoundedBox(Vec2 p, Vec2 centre, Vec2 half, float radius) {
    const float qx = std::abs(p.x - centre.x) - half.x + radius;
    const float qy = std::abs(p.y - centre.y) - half.y + radius;
    const float outside = length({std::max(qx, 0.0f), std::max(qy, 0.0f)});
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

// A line from a to b with round ends, `radius` thick on each side.
inline float sdCapsule(Vec2 p, Vec2 a, Vec2 b, float radius) {
    const float px = p.x - a.x;
    const float py = p.y - a.y;
    const float bx = b.x - a.x;
    const float by = b.y - a.y;
    const float h = std::clamp((px * bx + py * by) / (bx * bx + by * by), 0.0f, 1.0f);
    return length({px - bx * h, py - by * h}) - radius;
}

// An ellipse with radii (rx, ry) (a close approximation away from the centre).
inline float sdEllipse(Vec2 p, Vec2 centre, Vec2 radii) {
    const float x = p.x - centre.x;
    const float y = p.y - centre.y;
    const float k0 = length({x / radii.x, y / radii.y});
    const float k1 = length({x / (radii.x * radii.x), y / (radii.y * radii.y)});
    if (k1 <= 0.0f) {
        return -std::min(radii.x, radii.y);
    }
    return k0 * (k0 - 1.0f) / k1;
}

// Pixel coverage of a shape from the signed distance at the pixel centre.
inline float coverage(float distance) {
    return clamp01(0.5f - distance);
}

struct PixelBox {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0; // exclusive
    int y1 = 0;
};

inline PixelBox wholeCanvas(const Canvas& canvas) {
    return {0, 0, canvas.width(), canvas.height()};
}

inline PixelBox around(Vec2 centre, float rx, float ry) {
    return {static_cast<int>(std::floor(centre.x - rx - 2.0f)),
            static_cast<int>(std::floor(centre.y - ry - 2.0f)),
            static_cast<int>(std::ceil(centre.x + rx + 2.0f)),
            static_cast<int>(std::ceil(centre.y + ry + 2.0f))};
}

// Blends the shape given by `distance` over the canvas, each covered pixel in
// the colour `shade` gives for its centre.
template <typename Distance, typename Shade>
void paintShape(Canvas& canvas, PixelBox box, Distance distance, Shade shade,
                float opacity = 1.0f) {
    const int x0 = std::max(box.x0, 0);
    const int y0 = std::max(box.y0, 0);
    const int x1 = std::min(box.x1, canvas.width());
    const int y1 = std::min(box.y1, canvas.height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const Vec2 p{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            const float c = coverage(distance(p));
            if (c > 0.0f) {
                canvas.blend(x, y, shade(p), c * opacity);
            }
        }
    }
}

// Fills every pixel of the box with an opaque colour from `shade`.
template <typename Shade>
void paintArea(Canvas& canvas, PixelBox box, Shade shade) {
    const int x0 = std::max(box.x0, 0);
    const int y0 = std::max(box.y0, 0);
    const int x1 = std::min(box.x1, canvas.width());
    const int y1 = std::min(box.y1, canvas.height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            canvas.set(x, y,
                       shade(Vec2{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f}));
        }
    }
}

} // namespace vh::assets
