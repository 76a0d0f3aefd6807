#include "assets/cup.h"

#include "assets/lighting.h"
#include "assets/noise.h"
#include "assets/shapes.h"

#include <cmath>

namespace vh::assets {

namespace {

constexpr int kCupScale = 4;

const Colour kLeather{0.56f, 0.26f, 0.12f};
const Colour kGold{0.86f, 0.68f, 0.30f};

// Shading of a vertical cylinder at u (-1 left edge .. 1 right edge), tilted
// up or down by `tilt` (radians) for rounded rims.
Lit cylinderLight(float u, float tilt, float shininess) {
    u = std::clamp(u, -0.98f, 0.98f);
    const float nz = std::sqrt(1.0f - u * u);
    return light(normalize({u * std::cos(tilt), std::sin(tilt), nz * std::cos(tilt)}), shininess);
}

// Pebbled leather: raised grains with fine creases between them.
float leatherGrain(Vec2 p) {
    const CellDistances cells = cellNoise(p.x * 0.09f, p.y * 0.09f, 311u);
    const float crease = smoothstep(0.0f, 0.12f, cells.second - cells.nearest);
    return 0.86f + 0.14f * crease;
}

} // namespace

Sprite paintDiceCup() {
    constexpr float s = static_cast<float>(kCupScale);
    constexpr float width = static_cast<float>(kDiceCupWidth) * s;
    constexpr float height = static_cast<float>(kDiceCupHeight) * s;
    const float cx = width * 0.5f;
    // The body narrows a little towards the foot; its ends are ellipses seen
    // from slightly above.
    const float topHalf = width * 0.5f - 2.0f * s;
    const float footHalf = width * 0.5f - 7.0f * s;
    const float topY = 9.0f * s;
    const float footY = height - 8.0f * s;
    const float ellipse = 0.20f; // ellipse height / width of the ends
    const auto halfWidthAt = [&](float y) {
        return mix(topHalf, footHalf, std::clamp((y - topY) / (footY - topY), 0.0f, 1.0f));
    };
    Canvas canvas(kDiceCupWidth * kCupScale, kDiceCupHeight * kCupScale);

    // A soft shadow on the table at the foot.
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) {
            return sdEllipse(p, {cx + 2.0f * s, footY + 1.5f * s},
                             {footHalf + 2.0f * s, footHalf * ellipse + 2.5f * s}) /
                   (2.0f * s);
        },
        [&](Vec2) { return grey(0.0f); }, 0.5f);

    // The body: between the two end ellipses, inside the tapering sides.
    const auto bodyDistance = [&](Vec2 p) {
        const float half = halfWidthAt(p.y);
        const float side = std::abs(p.x - cx) - half;
        const float u = std::clamp((p.x - cx) / half, -1.0f, 1.0f);
        const float bottom = footY + footHalf * ellipse * std::sqrt(1.0f - u * u);
        const float top = topY;
        return std::max({side, p.y - bottom, top - p.y});
    };
    paintShape(canvas, wholeCanvas(canvas), bodyDistance, [&](Vec2 p) {
        const float half = halfWidthAt(p.y);
        const float u = (p.x - cx) / half;
        const Lit l = cylinderLight(u, 0.0f, 14.0f);
        Colour c = kLeather * ((0.18f + 1.05f * l.diffuse) * leatherGrain(p));
        // Tooled gold bands below the rim and above the foot, and stitching.
        const float v = p.y;
        const float band1 = std::abs(v - (topY + 14.0f * s)) < 1.2f * s ? 1.0f : 0.0f;
        const float band2 = std::abs(v - (footY - 10.0f * s)) < 1.2f * s ? 1.0f : 0.0f;
        if (band1 + band2 > 0.0f) {
            c = screen(kGold * (0.45f + 0.75f * l.diffuse), grey(0.5f * l.specular));
        }
        const float stitchRow1 = std::abs(v - (topY + 8.5f * s)) < 0.7f * s ? 1.0f : 0.0f;
        const float stitchRow2 = std::abs(v - (footY - 4.5f * s)) < 0.7f * s ? 1.0f : 0.0f;
        const float along = std::asin(std::clamp(u, -1.0f, 1.0f)) * half / s;
        if ((stitchRow1 + stitchRow2) > 0.0f && fract(along / 3.2f) < 0.6f) {
            c = Colour{0.93f, 0.84f, 0.62f} * (0.4f + 0.7f * l.diffuse);
        }
        // A diamond of gold tooling in the middle of the front.
        const float mid = (topY + footY) * 0.5f + 2.0f * s;
        const float diamond = std::abs(p.x - cx) / (9.0f * s) + std::abs(p.y - mid) / (12.0f * s);
        if (std::abs(diamond - 1.0f) < 0.09f || diamond < 0.28f) {
            c = screen(kGold * (0.45f + 0.75f * l.diffuse), grey(0.4f * l.specular));
        }
        // A broad sheen on the waxed leather, left of the middle.
        const float sheen = std::exp(-std::pow((u + 0.42f) / 0.22f, 2.0f));
        return screen(c, grey(0.35f * l.specular + 0.16f * sheen));
    });

    // The rolled rim at the foot: a rounded band along the bottom ellipse.
    const float footBand = 3.2f * s;
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) {
            const float half = footHalf + 0.8f * s;
            const float u = std::clamp((p.x - cx) / half, -1.0f, 1.0f);
            const float bottom = footY + footHalf * ellipse * std::sqrt(1.0f - u * u);
            return std::max(
                {std::abs(p.x - cx) - half, p.y - bottom - 0.5f * s, bottom - footBand - p.y});
        },
        [&](Vec2 p) {
            const float half = footHalf + 0.8f * s;
            const float u = (p.x - cx) / half;
            const float bottom =
                footY + footHalf * ellipse * std::sqrt(1.0f - std::min(u * u, 1.0f));
            const float t =
                std::clamp((p.y - (bottom - footBand * 0.5f)) / (footBand * 0.5f), -0.95f, 0.95f);
            const Lit l = cylinderLight(u, std::asin(t), 14.0f);
            return screen(kLeather * 0.8f * (0.3f + 0.85f * l.diffuse), grey(0.3f * l.specular));
        });

    // The mouth: a rolled rim around the dark inside.
    const Vec2 mouth{cx, topY};
    const Vec2 outerRadii{topHalf + 1.5f * s, (topHalf + 1.5f) * ellipse + 1.5f * s};
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdEllipse(p, mouth, outerRadii); },
        [&](Vec2 p) {
            // The rim is a torus seen from above: shade by where the point lies
            // across the ring, lit from the upper left.
            const float dx = (p.x - mouth.x) / outerRadii.x;
            const float dy = (p.y - mouth.y) / outerRadii.y;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float across = std::clamp((r - 0.86f) / 0.14f, -0.95f, 0.95f);
            const float ux = r > 0.0f ? dx / r : 0.0f;
            const float uy = r > 0.0f ? dy / r : 0.0f;
            const Vec3 n =
                normalize({ux * across, uy * across * 0.6f, std::sqrt(1.0f - across * across)});
            const Lit l = light(n, 16.0f);
            return screen(kLeather * 0.9f * (0.35f + 0.85f * l.diffuse) * leatherGrain(p),
                          grey(0.35f * l.specular));
        });
    const Vec2 innerRadii{outerRadii.x * 0.84f, outerRadii.y * 0.72f};
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) {
            return sdEllipse(p, {mouth.x, mouth.y + 0.5f * s}, innerRadii);
        },
        [&](Vec2 p) {
            // Inside: dark, the far wall faintly lit.
            const float t = clamp01((p.y - (mouth.y - innerRadii.y)) / (2.0f * innerRadii.y));
            return mix(Colour{0.22f, 0.12f, 0.07f}, Colour{0.05f, 0.03f, 0.02f}, t);
        });
    return toSprite(canvas.downsampled(kCupScale));
}

} // namespace vh::assets
