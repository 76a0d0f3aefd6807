#include "assets/dice.h"

#include "assets/lighting.h"
#include "assets/noise.h"
#include "assets/shapes.h"

#include <vector>

namespace vh::assets {

namespace {

constexpr int kDiceScale = 4; // painted large, then averaged down

const Colour kPanelBlue = rgb(25, 25, 125);

std::vector<Vec2> pipPositions(int face) {
    constexpr float lo = 0.25f;
    constexpr float mid = 0.5f;
    constexpr float hi = 0.75f;
    switch (face) {
    case 1:
        return {{mid, mid}};
    case 2:
        return {{hi, lo}, {lo, hi}};
    case 3:
        return {{hi, lo}, {mid, mid}, {lo, hi}};
    case 4:
        return {{lo, lo}, {hi, lo}, {lo, hi}, {hi, hi}};
    case 5:
        return {{lo, lo}, {hi, lo}, {mid, mid}, {lo, hi}, {hi, hi}};
    default:
        return {{lo, lo}, {hi, lo}, {lo, mid}, {hi, mid}, {lo, hi}, {hi, hi}};
    }
}

} // namespace

Image paintDie(int face) {
    return flatten(paintLooseDie(face), kPanelBlue);
}

Canvas paintLooseDie(int face) {
    constexpr float s = static_cast<float>(kDiceScale);
    constexpr float side = 45.0f * s; // the die, leaving room for its shadow
    constexpr float origin = 1.5f * s;
    const Vec2 centre{origin + side * 0.5f, origin + side * 0.5f};
    const Vec2 half{side * 0.5f, side * 0.5f};
    constexpr float corner = 8.0f * s;
    constexpr float bevel = 6.0f * s;
    const Colour ivory{0.96f, 0.95f, 0.91f};
    const Colour pipInk{0.07f, 0.06f, 0.07f};

    Canvas canvas(kDieSize * kDiceScale, kDieSize * kDiceScale);
    // A soft shadow on the panel, down and to the right.
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) {
            return sdRoundedBox(p, {centre.x + 2.0f * s, centre.y + 2.5f * s}, half, corner) /
                   (2.5f * s);
        },
        [&](Vec2) { return grey(0.0f); }, 0.45f);
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdRoundedBox(p, centre, half, corner); },
        [&](Vec2 p) {
            const Vec3 n = tileNormal(p, centre, half, corner, bevel);
            const Lit l = light(n, 30.0f);
            const float grain = 1.0f + 0.012f * gradientNoise(p.x * 0.08f, p.y * 0.08f, 91u);
            Colour c = ivory * ((0.55f + 0.5f * l.diffuse) * grain);
            // The rim facing away from the light picks up the blue of the panel.
            c = mix(c, kPanelBlue, 0.25f * (1.0f - n.z));
            return screen(c, grey(0.45f * l.specular));
        });
    const float pipRadius = (face == 1 ? 5.6f : 4.4f) * s;
    const Vec3 lightDir = tableLight();
    for (const Vec2& at : pipPositions(face)) {
        const Vec2 pip{origin + at.x * side, origin + at.y * side};
        // A sunk, rounded hollow: the upper left inside lies in shadow, the
        // lower right inside catches the light; a fine bright lip below right.
        paintShape(
            canvas, around(pip, pipRadius + s, pipRadius + s),
            [&](Vec2 p) {
                return sdCircle(p, {pip.x + 0.4f * s, pip.y + 0.4f * s}, pipRadius);
            },
            [&](Vec2) { return grey(1.0f); }, 0.55f);
        paintShape(
            canvas, around(pip, pipRadius, pipRadius),
            [&](Vec2 p) { return sdCircle(p, pip, pipRadius); },
            [&](Vec2 p) {
                const float u = (p.x - pip.x) / pipRadius;
                const float v = (p.y - pip.y) / pipRadius;
                const float r2 = std::min(u * u + v * v, 0.98f);
                // Inside a bowl the normal points towards the centre.
                const Vec3 n = normalize({-u, -v, std::sqrt(1.0f - r2) * 1.6f});
                const float lit = std::max(0.0f, dot(n, lightDir));
                return pipInk * (0.6f + 0.8f * lit) + grey(0.10f * std::pow(lit, 8.0f));
            });
    }
    return canvas.downsampled(kDiceScale);
}

} // namespace vh::assets
