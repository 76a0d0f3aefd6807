#include "assets/clock.h"

#include "assets/lighting.h"
#include "assets/shapes.h"

#include <cmath>

namespace vh::assets {

namespace {

constexpr int kClockScale = 8; // painted large, then averaged down

// A point at `radius` from the centre in the direction of `minutes` on a dial.
Vec2 onDial(Vec2 centre, float minutes, float radius) {
    const float angle = minutes / 60.0f * 2.0f * kPi;
    return {centre.x + std::sin(angle) * radius, centre.y - std::cos(angle) * radius};
}

} // namespace

Sprite paintSmallClock() {
    constexpr float s = static_cast<float>(kClockScale);
    constexpr float size = static_cast<float>(kSmallClockSize) * s;
    const Vec2 c{size * 0.5f, size * 0.5f};
    const float outer = size * 0.5f - 0.3f * s;
    const float rimWidth = 2.3f * s;
    const float face = outer - rimWidth;
    Canvas canvas(kSmallClockSize * kClockScale, kSmallClockSize * kClockScale);

    // Brass rim, rounded: lit at the upper left, dark at the lower right.
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdCircle(p, c, outer); },
        [&](Vec2 p) {
            const float dx = (p.x - c.x) / outer;
            const float dy = (p.y - c.y) / outer;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float across =
                std::clamp((r * outer - face) / rimWidth * 2.0f - 1.0f, -0.95f, 0.95f);
            const float ux = r > 0.0f ? dx / r : 0.0f;
            const float uy = r > 0.0f ? dy / r : 0.0f;
            const Vec3 n = normalize({ux * across, uy * across, std::sqrt(1.0f - across * across)});
            const Lit l = light(n, 18.0f);
            const Colour brass{0.80f, 0.62f, 0.26f};
            return screen(brass * (0.35f + 0.75f * l.diffuse), grey(0.7f * l.specular));
        });
    // The dial, a little shaded under the rim at the top.
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdCircle(p, c, face); },
        [&](Vec2 p) {
            const float shade = smoothstep(
                face * 0.55f, face, sdCircle(p, {c.x + 0.12f * face, c.y + 0.18f * face}, 0.0f));
            return Colour{0.98f, 0.97f, 0.93f} * (1.0f - 0.22f * shade);
        });
    // Hour marks: bold at 12, 3, 6 and 9.
    for (int hour = 0; hour < 12; ++hour) {
        const bool major = hour % 3 == 0;
        const float minutes = static_cast<float>(hour * 5);
        const Vec2 a = onDial(c, minutes, face * (major ? 0.62f : 0.74f));
        const Vec2 b = onDial(c, minutes, face * 0.88f);
        const float width = (major ? 0.75f : 0.4f) * s;
        paintShape(
            canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdCapsule(p, a, b, width); },
            [&](Vec2) { return grey(0.15f); });
    }
    // Hands at ten past ten, with a slight shadow.
    const Colour handColour{0.10f, 0.10f, 0.13f};
    const auto hand = [&](float minutes, float length, float width, const Colour& colour,
                          float shadow) {
        const Vec2 tip = onDial(c, minutes, length);
        const Vec2 tail = onDial(c, minutes + 30.0f, length * 0.18f);
        paintShape(
            canvas, wholeCanvas(canvas),
            [&](Vec2 p) {
                return sdCapsule({p.x - 0.5f * s, p.y - 0.6f * s}, tail, tip, width);
            },
            [&](Vec2) { return grey(0.0f); }, shadow);
        paintShape(
            canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdCapsule(p, tail, tip, width); },
            [&](Vec2) { return colour; });
    };
    hand(50.5f, face * 0.55f, 0.95f * s, handColour, 0.25f);
    hand(10.0f, face * 0.82f, 0.7f * s, handColour, 0.25f);
    hand(32.0f, face * 0.86f, 0.3f * s, Colour{0.80f, 0.10f, 0.08f}, 0.15f);
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdCircle(p, c, 1.0f * s); },
        [&](Vec2) {
            return Colour{0.75f, 0.58f, 0.25f};
        });
    return toSprite(canvas.downsampled(kClockScale));
}

} // namespace vh::assets
