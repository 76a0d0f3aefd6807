#pragma once

#include "assets/paint_math.h"
#include "assets/shapes.h"

#include <cmath>

namespace vh::assets {

// The light over the table: from the upper left, in front of the picture.
inline Vec3 tableLight() {
    return normalize({-0.45f, -0.62f, 0.80f});
}

// The surface normal of a raised tile (a rounded box) whose rim is rounded off
// over `bevel` pixels: flat in the middle, turning outwards at the edge.
inline Vec3 tileNormal(Vec2 p, Vec2 centre, Vec2 half, float radius, float bevel) {
    const float inside = -sdRoundedBox(p, centre, half, radius);
    if (inside >= bevel) {
        return {0.0f, 0.0f, 1.0f};
    }
    constexpr float e = 0.5f;
    const float gx = sdRoundedBox({p.x + e, p.y}, centre, half, radius) -
                     sdRoundedBox({p.x - e, p.y}, centre, half, radius);
    const float gy = sdRoundedBox({p.x, p.y + e}, centre, half, radius) -
                     sdRoundedBox({p.x, p.y - e}, centre, half, radius);
    const float g = std::sqrt(gx * gx + gy * gy);
    const float ux = g > 0.0f ? gx / g : 0.0f;
    const float uy = g > 0.0f ? gy / g : 0.0f;
    // A quarter circle: the slope grows from nothing to steep at the rim.
    const float t = std::min(1.0f - std::max(inside, 0.0f) / bevel, 0.97f);
    const float slope = t / std::sqrt(1.0f - t * t);
    return normalize({ux * slope, uy * slope, 1.0f});
}

// The surface normal of a raised shape given by its signed distance (negative
// inside), its rim rounded off over `bevel` in the distance's units; `step` is
// the distance used for the slope.
template <typename Distance>
Vec3 bevelNormal(Distance distance, Vec2 p, float bevel, float step) {
    const float inside = -distance(p);
    if (inside >= bevel) {
        return {0.0f, 0.0f, 1.0f};
    }
    const float gx = distance(Vec2{p.x + step, p.y}) - distance(Vec2{p.x - step, p.y});
    const float gy = distance(Vec2{p.x, p.y + step}) - distance(Vec2{p.x, p.y - step});
    const float g = std::sqrt(gx * gx + gy * gy);
    const float ux = g > 0.0f ? gx / g : 0.0f;
    const float uy = g > 0.0f ? gy / g : 0.0f;
    const float t = std::min(1.0f - std::max(inside, 0.0f) / bevel, 0.97f);
    const float slope = t / std::sqrt(1.0f - t * t);
    return normalize({ux * slope, uy * slope, 1.0f});
}

// Diffuse light with a little specular shine for a surface normal.
struct Lit {
    float diffuse;
    float specular;
};

inline Lit light(const Vec3& n, float shininess) {
    const Vec3 l = tableLight();
    const Vec3 h = normalize({l.x, l.y, l.z + 1.0f});
    return {std::max(0.0f, dot(n, l)), std::pow(std::max(0.0f, dot(n, h)), shininess)};
}

} // namespace vh::assets
