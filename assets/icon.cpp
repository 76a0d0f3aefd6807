#include "assets/icon.h"

#include "assets/lighting.h"
#include "assets/noise.h"
#include "assets/shapes.h"
#include "assets/wood.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vh::assets {

namespace {

// The design is drawn on a 256-unit square whatever the size.
constexpr float kUnits = 256.0f;

const Colour kIvory{0.96f, 0.95f, 0.91f};
const Colour kPipInk{0.07f, 0.06f, 0.07f};
const Colour kCheckerRed{0.74f, 0.10f, 0.11f};
const Colour kPointCream{0.90f, 0.83f, 0.68f};
const Colour kPointRed{0.66f, 0.14f, 0.12f};

std::vector<Vec2> pips(int face) {
    constexpr float lo = 0.27f;
    constexpr float hi = 0.73f;
    switch (face) {
    case 2:
        return {{hi, lo}, {lo, hi}};
    case 3:
        return {{hi, lo}, {0.5f, 0.5f}, {lo, hi}};
    default:
        return {{lo, lo}, {hi, lo}, {0.5f, 0.5f}, {lo, hi}, {hi, hi}};
    }
}

// Paints shapes given in design units on a canvas of `pixels` x `pixels`.
class IconPainter {
public:
    IconPainter(Canvas& canvas, int pixels)
        : canvas_(canvas), perUnit_(static_cast<float>(pixels) / kUnits) {}

    template <typename Distance, typename Shade>
    void shape(Distance distance, Shade shade, float opacity = 1.0f) const {
        paintShape(
            canvas_, wholeCanvas(canvas_), [&](Vec2 p) { return distance(toUnits(p)) * perUnit_; },
            [&](Vec2 p) { return shade(toUnits(p)); }, opacity);
    }

private:
    Vec2 toUnits(Vec2 p) const { return {p.x / perUnit_, p.y / perUnit_}; }

    Canvas& canvas_;
    float perUnit_;
};

} // namespace

Canvas paintIcon(int size) {
    const bool small = size < 32;
    const float unitsPerPixel = kUnits / static_cast<float>(size);
    const int supersample = size < 64 ? 8 : 4;
    Canvas canvas(size * supersample, size * supersample);
    const IconPainter paint(canvas, size * supersample);
    const auto atLeast = [&](float units, float pixels) {
        return std::max(units, pixels * unitsPerPixel);
    };

    // The tile: dark wood with a rounded rim, a faint shadow under it.
    const Vec2 centre{128.0f, 126.0f};
    const float tileHalf = 121.0f - atLeast(0.0f, 0.5f);
    const float tileCorner = 44.0f;
    paint.shape(
        [&](Vec2 q) {
            return sdRoundedBox(q, {centre.x, centre.y + 5.0f}, {tileHalf, tileHalf}, tileCorner) /
                   atLeast(6.0f, 1.0f);
        },
        [](Vec2) { return grey(0.0f); }, 0.35f);
    const auto tile = [&](Vec2 q) {
        return sdRoundedBox(q, centre, {tileHalf, tileHalf}, tileCorner);
    };
    const WoodTone wood = darkWood();
    paint.shape(tile, [&](Vec2 q) {
        const Lit l = light(bevelNormal(tile, q, atLeast(10.0f, 1.2f), 0.5f), 20.0f);
        const Colour grain = small ? mix(wood.early, wood.late, 0.3f)
                                   : woodGrain(q.x * 1.6f, q.y * 1.6f, 5u, wood, 8.0f);
        return screen(grain * (0.55f + 0.75f * l.diffuse), grey(0.35f * l.specular));
    });

    // The playing field, sunk into the wood, with one cream point coming down
    // from the top and one red point rising from the bottom.
    const float fieldHalf = tileHalf - atLeast(20.0f, 1.6f);
    const auto field = [&](Vec2 q) {
        return sdRoundedBox(q, centre, {fieldHalf, fieldHalf}, tileCorner - 20.0f);
    };
    paint.shape(field, [&](Vec2 q) {
        const float depth = -field(q);
        const float t = clamp01((q.y - (centre.y - fieldHalf)) / (2.0f * fieldHalf));
        Colour c = mix(Colour{0.13f, 0.18f, 0.50f}, Colour{0.06f, 0.08f, 0.30f}, t);
        if (!small) {
            c = c * (1.0f + 0.10f * fbm(q.x * 0.03f, q.y * 0.03f, 77u, 3));
        }
        // The rim of the wood casts a little shadow into the field.
        return c * (0.55f + 0.45f * smoothstep(0.0f, atLeast(10.0f, 1.0f), depth));
    });
    const float top = centre.y - fieldHalf;
    const float bottom = centre.y + fieldHalf;
    const float pointWidth = 56.0f;
    const float pointLength = 112.0f;
    paint.shape(
        [&](Vec2 q) {
            return std::max(sdTriangle(q, {38.0f, top - 2.0f}, {38.0f + pointWidth, top - 2.0f},
                                       {38.0f + pointWidth * 0.5f, top + pointLength}),
                            field(q));
        },
        [&](Vec2 q) { return kPointCream * (1.0f - 0.25f * clamp01((q.y - top) / pointLength)); });
    paint.shape(
        [&](Vec2 q) {
            return std::max(sdTriangle(q, {218.0f - pointWidth, bottom + 2.0f},
                                       {218.0f, bottom + 2.0f},
                                       {218.0f - pointWidth * 0.5f, bottom - pointLength}),
                            field(q));
        },
        [&](Vec2 q) { return kPointRed * (1.0f - 0.25f * clamp01((bottom - q.y) / pointLength)); });

    // The die, up and to the right, a little turned on larger icons.
    // On small icons the die moves out of the checker's way, so that none of
    // its pips is hidden.
    const Vec2 dieCentre{small ? 170.0f : 163.0f, small ? 86.0f : 93.0f};
    const float dieHalf = small ? 57.0f : 54.0f;
    const float dieTurn = small ? 0.0f : -0.22f;
    const float dieCorner = dieHalf * 0.30f;
    const auto die = [&](Vec2 q) {
        return sdRoundedBox(unrotated(q, dieCentre, dieTurn), dieCentre, {dieHalf, dieHalf},
                            dieCorner);
    };
    paint.shape(
        [&](Vec2 q) {
            return die({q.x - 5.0f, q.y - 8.0f}) / atLeast(10.0f, 1.0f);
        },
        [](Vec2) { return grey(0.0f); }, 0.45f);
    paint.shape(die, [&](Vec2 q) {
        const Vec2 upright = unrotated(q, dieCentre, dieTurn);
        const Vec3 n = tileNormal(upright, dieCentre, {dieHalf, dieHalf}, dieCorner,
                                  atLeast(dieHalf * 0.22f, 1.0f));
        const Lit l = light(n, 30.0f);
        return screen(kIvory * (0.55f + 0.5f * l.diffuse), grey(0.45f * l.specular));
    });
    const int face = size <= 16 ? 2 : (small ? 3 : 5);
    const float pipRadius = atLeast(dieHalf * 0.17f, size <= 16 ? 1.1f : 0.9f);
    for (const Vec2& at : pips(face)) {
        const Vec2 upright{dieCentre.x + (at.x - 0.5f) * 2.0f * dieHalf,
                           dieCentre.y + (at.y - 0.5f) * 2.0f * dieHalf};
        paint.shape(
            [&](Vec2 q) { return sdCircle(unrotated(q, dieCentre, dieTurn), upright, pipRadius); },
            [&](Vec2 q) {
                // A hollow: dark, its lower right inside catching the light.
                const Vec2 u = unrotated(q, dieCentre, dieTurn);
                const float lit = clamp01(((u.x - upright.x) + (u.y - upright.y)) / pipRadius);
                return kPipInk + grey(0.18f * lit * lit);
            });
    }

    // The checker in front, down and to the left: a domed rim, a turned groove.
    const Vec2 checker{small ? 84.0f : 90.0f, small ? 172.0f : 164.0f};
    const float checkerRadius = small ? 64.0f : 66.0f;
    paint.shape(
        [&](Vec2 q) {
            return sdCircle(q, {checker.x + 5.0f, checker.y + 8.0f}, checkerRadius) /
                   atLeast(10.0f, 1.0f);
        },
        [](Vec2) { return grey(0.0f); }, 0.5f);
    const auto disc = [&](Vec2 q) { return sdCircle(q, checker, checkerRadius); };
    paint.shape(disc, [&](Vec2 q) {
        const Vec3 n = bevelNormal(disc, q, checkerRadius * 0.2f, 0.5f);
        const Lit l = light(n, 32.0f);
        const float rho = length({q.x - checker.x, q.y - checker.y}) / checkerRadius;
        const float groove = std::exp(-std::pow((rho - 0.62f) / 0.05f, 2.0f));
        const float u = (q.x - checker.x) / checkerRadius + 0.30f;
        const float v = (q.y - checker.y) / checkerRadius + 0.36f;
        const float gloss = std::exp(-(u * u + v * v) / 0.10f);
        const Colour c = kCheckerRed * ((0.50f + 0.62f * l.diffuse) * (1.0f - 0.35f * groove));
        return screen(c, grey(clamp01(0.55f * l.specular + 0.16f * gloss)));
    });
    return canvas.downsampled(supersample);
}

} // namespace vh::assets
