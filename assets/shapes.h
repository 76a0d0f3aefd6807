#pragma once

#include "assets/image.h"
#include "assets/paint_math.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>

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

// A triangle with corners a, b, c (either winding).
inline float sdTriangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
    const Vec2 e0{b.x - a.x, b.y - a.y};
    const Vec2 e1{c.x - b.x, c.y - b.y};
    const Vec2 e2{a.x - c.x, a.y - c.y};
    const Vec2 v0{p.x - a.x, p.y - a.y};
    const Vec2 v1{p.x - b.x, p.y - b.y};
    const Vec2 v2{p.x - c.x, p.y - c.y};
    const auto closest = [](Vec2 v, Vec2 e) {
        const float h = std::clamp((v.x * e.x + v.y * e.y) / (e.x * e.x + e.y * e.y), 0.0f, 1.0f);
        return Vec2{v.x - e.x * h, v.y - e.y * h};
    };
    const Vec2 pq0 = closest(v0, e0);
    const Vec2 pq1 = closest(v1, e1);
    const Vec2 pq2 = closest(v2, e2);
    const float s = e0.x * e2.y - e0.y * e2.x > 0.0f ? 1.0f : -1.0f;
    const float d0 = pq0.x * pq0.x + pq0.y * pq0.y;
    const float d1 = pq1.x * pq1.x + pq1.y * pq1.y;
    const float d2 = pq2.x * pq2.x + pq2.y * pq2.y;
    const float s0 = s * (v0.x * e0.y - v0.y * e0.x);
    const float s1 = s * (v1.x * e1.y - v1.y * e1.x);
    const float s2 = s * (v2.x * e2.y - v2.y * e2.x);
    const float d = std::min({d0, d1, d2});
    const float inside = std::min({s0, s1, s2});
    return inside > 0.0f ? -std::sqrt(d) : std::sqrt(d);
}

// A polygon with the given corners in order (either winding).
inline float sdPolygon(Vec2 p, std::span<const Vec2> corners) {
    float nearest = std::numeric_limits<float>::max();
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Vec2 a = corners[j];
        const Vec2 b = corners[i];
        const Vec2 e{b.x - a.x, b.y - a.y};
        const Vec2 w{p.x - a.x, p.y - a.y};
        const float h = std::clamp((w.x * e.x + w.y * e.y) / (e.x * e.x + e.y * e.y), 0.0f, 1.0f);
        nearest = std::min(nearest, length({w.x - e.x * h, w.y - e.y * h}));
        // Crossing count of a ray to the right of p.
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) / (b.y - a.y) * e.x) {
            inside = !inside;
        }
    }
    return inside ? -nearest : nearest;
}

// A stroke along the circle of `radius` around `centre`, from angle `from` to
// angle `to` (radians from the +x axis; with y pointing down, growing angles
// turn clockwise on the picture), `halfWidth` thick on each side, round ends.
inline float sdArc(Vec2 p, Vec2 centre, float radius, float from, float to, float halfWidth) {
    const float dx = p.x - centre.x;
    const float dy = p.y - centre.y;
    const float angle = std::atan2(dy, dx);
    const float past = angle - from - 2.0f * kPi * std::floor((angle - from) / (2.0f * kPi));
    if (past <= to - from) {
        return std::abs(length({dx, dy}) - radius) - halfWidth;
    }
    const Vec2 start{centre.x + radius * std::cos(from), centre.y + radius * std::sin(from)};
    const Vec2 end{centre.x + radius * std::cos(to), centre.y + radius * std::sin(to)};
    return std::min(length({p.x - start.x, p.y - start.y}), length({p.x - end.x, p.y - end.y})) -
           halfWidth;
}

// The point p seen in a frame turned by `angle` (radians) around `centre`:
// a shape drawn upright there appears turned by `angle` on the picture.
inline Vec2 unrotated(Vec2 p, Vec2 centre, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float dx = p.x - centre.x;
    const float dy = p.y - centre.y;
    return {centre.x + c * dx + s * dy, centre.y - s * dx + c * dy};
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
// Blocks of 8 x 8 pixels whose centre lies far outside the shape are skipped:
// the distance functions used here change by at most about one per pixel.
template <typename Distance, typename Shade>
void paintShape(Canvas& canvas, PixelBox box, Distance distance, Shade shade,
                float opacity = 1.0f) {
    constexpr int block = 8;
    constexpr float farOutside = 12.0f; // twice the half diagonal of a block
    const int x0 = std::max(box.x0, 0);
    const int y0 = std::max(box.y0, 0);
    const int x1 = std::min(box.x1, canvas.width());
    const int y1 = std::min(box.y1, canvas.height());
    for (int by = y0; by < y1; by += block) {
        for (int bx = x0; bx < x1; bx += block) {
            const Vec2 centre{static_cast<float>(bx) + block * 0.5f,
                              static_cast<float>(by) + block * 0.5f};
            if (distance(centre) > farOutside) {
                continue;
            }
            for (int y = by; y < std::min(by + block, y1); ++y) {
                for (int x = bx; x < std::min(bx + block, x1); ++x) {
                    const Vec2 p{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
                    const float c = coverage(distance(p));
                    if (c > 0.0f) {
                        canvas.blend(x, y, shade(p), c * opacity);
                    }
                }
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
