#include "assets/stones.h"

#include "assets/noise.h"
#include "assets/paint_math.h"
#include "assets/shapes.h"

#include <cmath>

namespace vh::assets {

namespace {

struct Material {
    Colour base;
    float ambient;
    float diffuse;
    float specular;
    float shininess;
    float gloss;    // broad soft reflection of the window light
    float rimLight; // light caught by edges facing away from the viewer
    std::uint32_t seed;
};

Material materialOf(StoneColour colour) {
    switch (colour) {
    case StoneColour::White:
        return {{0.94f, 0.91f, 0.84f}, 0.52f, 0.55f, 0.30f, 28.0f, 0.16f, 0.00f, 11u};
    case StoneColour::Black:
        return {{0.085f, 0.085f, 0.10f}, 0.55f, 0.65f, 0.75f, 36.0f, 0.20f, 0.22f, 12u};
    case StoneColour::Red:
        return {{0.74f, 0.10f, 0.11f}, 0.50f, 0.62f, 0.55f, 32.0f, 0.16f, 0.10f, 13u};
    }
    return {};
}

const Vec3 kLight = normalize({-0.45f, -0.62f, 0.80f});
const Vec3 kHalfway = normalize({kLight.x, kLight.y, kLight.z + 1.0f});

// Lit colour of the material for a surface normal; (u, v) is the position on
// the picture in -1..1 for the broad gloss spot.
Colour shade(const Material& m, const Vec3& n, float u, float v, float occlusion) {
    const float diffuse = std::max(0.0f, dot(n, kLight));
    const float specular = std::pow(std::max(0.0f, dot(n, kHalfway)), m.shininess);
    // The broad highlight: a soft spot up and left, fading out towards the rim.
    const float gu = u + 0.30f;
    const float gv = v + 0.36f;
    const float glossSpot = std::exp(-(gu * gu + gv * gv) / 0.10f) * std::max(0.0f, n.z);
    const float rim = std::pow(1.0f - std::max(0.0f, n.z), 3.0f);
    Colour c = m.base * ((m.ambient + m.diffuse * diffuse) * occlusion);
    const float light = m.specular * specular + m.gloss * glossSpot + m.rimLight * rim;
    return screen(c, grey(clamp01(light)));
}

// A cosine bump of half width 1: its value and slope at u.
float bump(float u) {
    return std::abs(u) < 1.0f ? 0.5f + 0.5f * std::cos(kPi * u) : 0.0f;
}

float bumpSlope(float u) {
    return std::abs(u) < 1.0f ? -0.5f * kPi * std::sin(kPi * u) : 0.0f;
}

} // namespace

Sprite paintStone(StoneColour colour) {
    const Material m = materialOf(colour);
    Canvas canvas(kStoneSize, kStoneSize);
    const float centre = static_cast<float>(kStoneSize) * 0.5f;
    const float radius = centre - 1.5f;
    constexpr float bevelStart = 0.83f;
    constexpr float grooveAt = 0.62f;
    constexpr float grooveWidth = 0.05f;
    constexpr float grooveDepth = 0.012f;
    constexpr float lipAt = 0.785f;
    constexpr float lipWidth = 0.04f;
    constexpr float lipHeight = 0.006f;
    constexpr float dome = 0.035f;
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) {
            return sdCircle(p, {centre, centre}, radius);
        },
        [&](Vec2 p) {
            const float u = (p.x - centre) / radius;
            const float v = (p.y - centre) / radius;
            const float rho = std::sqrt(u * u + v * v);
            // Slope of the height profile along the radius (heights in radii).
            float slope = -2.0f * dome * rho;
            float occlusion = 1.0f;
            if (rho > bevelStart) {
                const float t = std::min((rho - bevelStart) / (1.0f - bevelStart), 0.995f);
                slope = -t / std::sqrt(1.0f - t * t);
            } else {
                slope += grooveDepth / grooveWidth * -bumpSlope((rho - grooveAt) / grooveWidth);
                slope += lipHeight / lipWidth * bumpSlope((rho - lipAt) / lipWidth);
                occlusion -= 0.10f * bump((rho - grooveAt) / grooveWidth);
            }
            const float ru = rho > 0.0f ? u / rho : 0.0f;
            const float rv = rho > 0.0f ? v / rho : 0.0f;
            const Vec3 n = normalize({-slope * ru, -slope * rv, 1.0f});
            Colour c = shade(m, n, u, v, occlusion);
            // Fine turning marks and a faint grain in the material.
            const float rings = 1.0f + 0.008f * std::sin(rho * radius * 1.6f);
            const float grain = 1.0f + 0.025f * gradientNoise(p.x * 0.35f, p.y * 0.35f, m.seed);
            return c * (rho < bevelStart ? rings * grain : grain);
        });
    return toSprite(canvas);
}

Sprite paintVerticalStone(StoneColour colour) {
    const Material m = materialOf(colour);
    Canvas canvas(kVerticalStoneWidth, kVerticalStoneHeight);
    const float cx = static_cast<float>(kVerticalStoneWidth) * 0.5f;
    const float cy = static_cast<float>(kVerticalStoneHeight) * 0.5f;
    const float halfWidth = cx - 1.0f;
    const float halfHeight = cy - 1.0f;
    constexpr float bevel = 0.42f; // share of the half height that is rounded
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) {
            return sdRoundedBox(p, {cx, cy}, {halfWidth, halfHeight}, 7.0f);
        },
        [&](Vec2 p) {
            // Across: the round edge of the disk; up and down: the rounded faces.
            const float u = std::clamp((p.x - cx) / halfWidth, -0.995f, 0.995f);
            const float v = (p.y - cy) / halfHeight;
            const float t = std::clamp((std::abs(v) - (1.0f - bevel)) / bevel, 0.0f, 0.995f);
            const float tilt = std::asin(t) * (v < 0.0f ? -1.0f : 1.0f);
            const float nz = std::sqrt(1.0f - u * u);
            const Vec3 n = normalize({u * std::cos(tilt), std::sin(tilt), nz * std::cos(tilt)});
            // A fine line where the two faces of the checker meet the edge.
            const float seam = 1.0f - 0.10f * bump(v / 0.06f);
            Colour c = shade(m, n, u * 0.4f, v * 0.8f - 0.2f, seam);
            const float grain = 1.0f + 0.025f * gradientNoise(p.x * 0.35f, p.y * 0.35f, m.seed);
            return c * grain;
        });
    return toSprite(canvas);
}

} // namespace vh::assets
