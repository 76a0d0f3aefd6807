#include "board/coverage_mask.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace vh {
namespace {

// Samples per pixel side where a pixel is partly covered.
constexpr int kSamples = 4;
// Half a pixel's diagonal: a pixel whose centre is further than this from an
// edge lies wholly on one side of it.
constexpr float kHalfDiagonal = 0.7072f;

// A straight edge as a line equation scaled to unit length, so that
// distance(p) is the signed distance of p from the line (positive inside).
struct Edge {
    float a = 0.0f;
    float b = 0.0f;
    float c = 0.0f;

    float distance(float x, float y) const { return a * x + b * y + c; }
};

Edge edgeThrough(PointF from, PointF to, PointF inside) {
    float a = from.y - to.y;
    float b = to.x - from.x;
    const float length = std::sqrt(a * a + b * b);
    if (length == 0.0f) {
        return {0.0f, 0.0f, -1.0f};
    }
    a /= length;
    b /= length;
    float c = -(a * from.x + b * from.y);
    if (a * inside.x + b * inside.y + c < 0.0f) {
        a = -a;
        b = -b;
        c = -c;
    }
    return {a, b, c};
}

float segmentDistance(PointF p, PointF from, PointF to) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float lengthSquared = dx * dx + dy * dy;
    float t = 0.0f;
    if (lengthSquared > 0.0f) {
        t = std::clamp(((p.x - from.x) * dx + (p.y - from.y) * dy) / lengthSquared, 0.0f, 1.0f);
    }
    const float ex = from.x + t * dx - p.x;
    const float ey = from.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

// The mask over the bounding box [x0, x1) x [y0, y1). `whole` tells from a
// pixel's centre whether the pixel is wholly inside (1), wholly outside (0)
// or undecided (-1); undecided pixels are sampled with `inside`.
CoverageMask buildMask(int x0, int y0, int x1, int y1,
                       const std::function<int(float, float)>& whole,
                       const std::function<bool(float, float)>& inside) {
    CoverageMask mask;
    mask.left = x0;
    mask.top = y0;
    mask.width = std::max(0, x1 - x0);
    mask.height = std::max(0, y1 - y0);
    mask.coverage.assign(
        static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height), 0);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const float px = static_cast<float>(x0 + x);
            const float py = static_cast<float>(y0 + y);
            int value = whole(px + 0.5f, py + 0.5f);
            if (value < 0) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        hits += inside(px + (static_cast<float>(sx) + 0.5f) / kSamples,
                                       py + (static_cast<float>(sy) + 0.5f) / kSamples)
                                    ? 1
                                    : 0;
                    }
                }
                value = hits * 255 / (kSamples * kSamples);
            } else {
                value *= 255;
            }
            mask.coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(mask.width) +
                          static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(value);
        }
    }
    return mask;
}

int floorOf(float v) {
    return static_cast<int>(std::floor(v));
}
int ceilOf(float v) {
    return static_cast<int>(std::ceil(v));
}

} // namespace

void paintCoverage(PixelImage& image, const CoverageMask& mask, int dx, int dy, Rgb colour) {
    const int x0 = std::max(0, -(mask.left + dx));
    const int x1 = std::min(mask.width, image.width() - (mask.left + dx));
    const int y0 = std::max(0, -(mask.top + dy));
    const int y1 = std::min(mask.height, image.height() - (mask.top + dy));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const int cover = mask.at(x, y);
            if (cover == 0) {
                continue;
            }
            Rgb& pixel = image.at(mask.left + dx + x, mask.top + dy + y);
            if (cover == 255) {
                pixel = colour;
                continue;
            }
            const auto mix = [cover](std::uint8_t from, std::uint8_t to) {
                return static_cast<std::uint8_t>((from * (255 - cover) + to * cover + 127) / 255);
            };
            pixel = {mix(pixel.red, colour.red), mix(pixel.green, colour.green),
                     mix(pixel.blue, colour.blue)};
        }
    }
}

CoverageMask triangleMask(PointF a, PointF b, PointF c) {
    const std::array<Edge, 3> edges{edgeThrough(a, b, c), edgeThrough(b, c, a),
                                    edgeThrough(c, a, b)};
    const auto whole = [&edges](float x, float y) {
        bool surely = true;
        for (const Edge& edge : edges) {
            const float d = edge.distance(x, y);
            if (d <= -kHalfDiagonal) {
                return 0;
            }
            surely = surely && d >= kHalfDiagonal;
        }
        return surely ? 1 : -1;
    };
    const auto inside = [&edges](float x, float y) {
        return std::all_of(edges.begin(), edges.end(),
                           [x, y](const Edge& edge) { return edge.distance(x, y) >= 0.0f; });
    };
    return buildMask(floorOf(std::min({a.x, b.x, c.x})), floorOf(std::min({a.y, b.y, c.y})),
                     ceilOf(std::max({a.x, b.x, c.x})), ceilOf(std::max({a.y, b.y, c.y})), whole,
                     inside);
}

CoverageMask triangleOutlineMask(PointF a, PointF b, PointF c, float width) {
    const float half = width / 2.0f;
    const auto nearest = [a, b, c](float x, float y) {
        const PointF p{x, y};
        return std::min(
            {segmentDistance(p, a, b), segmentDistance(p, b, c), segmentDistance(p, c, a)});
    };
    const auto whole = [&nearest, half](float x, float y) {
        const float d = nearest(x, y);
        if (d >= half + kHalfDiagonal) {
            return 0;
        }
        return d <= half - kHalfDiagonal ? 1 : -1;
    };
    const auto inside = [&nearest, half](float x, float y) { return nearest(x, y) <= half; };
    return buildMask(floorOf(std::min({a.x, b.x, c.x}) - half),
                     floorOf(std::min({a.y, b.y, c.y}) - half),
                     ceilOf(std::max({a.x, b.x, c.x}) + half),
                     ceilOf(std::max({a.y, b.y, c.y}) + half), whole, inside);
}

void fillRect(PixelImage& image, const Rect& rect, Rgb colour) {
    const int x0 = std::max(0, rect.left);
    const int x1 = std::min(image.width(), rect.right);
    const int y0 = std::max(0, rect.top);
    const int y1 = std::min(image.height(), rect.bottom);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    for (int y = y0; y < y1; ++y) {
        std::fill(&image.at(x0, y), &image.at(x0, y) + (x1 - x0), colour);
    }
}

void frameRect(PixelImage& image, const Rect& rect, int thickness, Rgb colour) {
    const int t = std::min({thickness, rect.width() / 2 + 1, rect.height() / 2 + 1});
    if (t <= 0 || rect.empty()) {
        return;
    }
    fillRect(image, {rect.left, rect.top, rect.right, rect.top + t}, colour);
    fillRect(image, {rect.left, rect.bottom - t, rect.right, rect.bottom}, colour);
    fillRect(image, {rect.left, rect.top, rect.left + t, rect.bottom}, colour);
    fillRect(image, {rect.right - t, rect.top, rect.right, rect.bottom}, colour);
}

} // namespace vh
