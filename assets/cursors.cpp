#include "assets/cursors.h"

#include "assets/shapes.h"

#include <algorithm>
#include <array>

namespace vh::assets {

namespace {

constexpr int kCursorScale = 8;
constexpr float kOutline = 1.2f;

struct Finger {
    Vec2 tip;
    Vec2 root;
};

// A hand: palm, thumb and fingers as one shape. Fingers lie a little more
// than two outlines apart, so the outline runs between them down to the palm.
template <std::size_t N>
Canvas paintHand(Vec2 palmCentre, Vec2 palmHalf, const Finger& thumb,
                 const std::array<Finger, N>& fingers, float fingerRadius) {
    const auto hand = [&](Vec2 q) {
        float d = std::min(sdRoundedBox(q, palmCentre, palmHalf, 4.0f),
                           sdCapsule(q, thumb.tip, thumb.root, fingerRadius + 0.2f));
        for (const Finger& finger : fingers) {
            d = std::min(d, sdCapsule(q, finger.tip, finger.root, fingerRadius));
        }
        return d;
    };
    Canvas canvas(kCursorSize * kCursorScale, kCursorSize * kCursorScale);
    constexpr float s = static_cast<float>(kCursorScale);
    const auto toPicture = [](Vec2 p) { return Vec2{p.x / s, p.y / s}; };
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return (hand(toPicture(p)) - kOutline) * s; },
        [](Vec2) { return grey(0.0f); });
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return hand(toPicture(p)) * s; },
        [&](Vec2 p) {
            // White, a touch of grey towards the lower right for some form.
            const Vec2 q = toPicture(p);
            const float shade = clamp01(((q.x - palmCentre.x) + (q.y - palmCentre.y)) / 24.0f);
            return grey(1.0f - 0.12f * shade);
        });
    return canvas.downsampled(kCursorScale);
}

} // namespace

Canvas paintHandCursor() {
    // Spread a little, like a fan.
    const std::array<Finger, 4> fingers{{{{9.4f, 7.2f}, {10.6f, 17.0f}},
                                         {{14.6f, 4.4f}, {15.0f, 17.0f}},
                                         {{20.0f, 5.2f}, {19.4f, 17.0f}},
                                         {{25.2f, 9.2f}, {23.8f, 17.0f}}}};
    return paintHand({17.2f, 21.0f}, {8.3f, 6.5f}, {{4.2f, 14.0f}, {9.5f, 21.5f}}, fingers, 1.7f);
}

Canvas paintGrabCursor() {
    const std::array<Finger, 4> fingers{{{{11.0f, 11.5f}, {11.0f, 16.0f}},
                                         {{15.3f, 10.5f}, {15.3f, 16.0f}},
                                         {{19.6f, 10.8f}, {19.6f, 16.0f}},
                                         {{23.9f, 12.5f}, {23.9f, 16.0f}}}};
    return paintHand({17.4f, 20.0f}, {8.2f, 6.5f}, {{7.6f, 17.2f}, {10.5f, 21.0f}}, fingers, 1.75f);
}

} // namespace vh::assets
