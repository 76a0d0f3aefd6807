#include "assets/toolbar_pictograms.h"

#include "assets/shapes.h"

#include <array>
#include <cmath>

namespace vh::assets {

namespace {

constexpr float kDegree = kPi / 180.0f;

const Colour kInk{0.13f, 0.12f, 0.12f};

// A dark outline in the hue of the colour it surrounds.
Colour outlineFor(const Colour& base) {
    return mix(base * 0.28f, kInk, 0.5f);
}

// An arrowhead at the point `at` of a stroke, pointing along `direction`
// (a unit vector): its base `halfWidth` to each side, its tip `length` ahead.
float sdArrowhead(Vec2 p, Vec2 at, Vec2 direction, float halfWidth, float length) {
    const Vec2 side{-direction.y, direction.x};
    const Vec2 back{at.x - direction.x * 0.8f, at.y - direction.y * 0.8f};
    return sdTriangle(p, {back.x + side.x * halfWidth, back.y + side.y * halfWidth},
                      {back.x - side.x * halfWidth, back.y - side.y * halfWidth},
                      {at.x + direction.x * length, at.y + direction.y * length});
}

Vec2 onCircle(Vec2 centre, float radius, float angle) {
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

// New Game: a fresh board with a gold star at its corner.
void newGame(const PictogramPen& pen) {
    const Vec2 centre{15.0f, 18.0f};
    const Colour wood{0.62f, 0.36f, 0.17f};
    pen.raised(
        [&](Vec2 q) {
            return sdRoundedBox(q, centre, {13.0f, 10.0f}, 2.5f);
        },
        wood, outlineFor(wood));
    pen.flat(
        [&](Vec2 q) {
            return sdRoundedBox(q, centre, {10.5f, 7.5f}, 0.8f);
        },
        Colour{0.11f, 0.15f, 0.44f});
    const Colour cream{0.93f, 0.87f, 0.72f};
    const Colour red{0.78f, 0.18f, 0.13f};
    const float width = 21.0f / 3.0f;
    for (int i = 0; i < 3; ++i) {
        const float x = 4.5f + static_cast<float>(i) * width;
        pen.flat(
            [&](Vec2 q) {
                return sdTriangle(q, {x, 10.5f}, {x + width, 10.5f}, {x + width * 0.5f, 17.0f});
            },
            i % 2 == 0 ? cream : red);
        pen.flat(
            [&](Vec2 q) {
                return sdTriangle(q, {x, 25.5f}, {x + width, 25.5f}, {x + width * 0.5f, 19.0f});
            },
            i % 2 == 0 ? red : cream);
    }
    std::array<Vec2, 10> star;
    const Vec2 starCentre{25.0f, 7.5f};
    for (std::size_t i = 0; i < star.size(); ++i) {
        const float radius = i % 2 == 0 ? 7.0f : 3.0f;
        star[i] = onCircle(starCentre, radius, (-90.0f + 36.0f * static_cast<float>(i)) * kDegree);
    }
    const Colour gold{1.0f, 0.80f, 0.16f};
    pen.raised([&](Vec2 q) { return sdPolygon(q, star); }, gold, outlineFor(gold));
}

// Restart Game: an arrow running clockwise round a circle.
void restartGame(const PictogramPen& pen) {
    const Vec2 centre{16.0f, 15.5f};
    constexpr float radius = 8.5f;
    constexpr float from = -58.0f * kDegree;
    constexpr float to = 222.0f * kDegree;
    const Vec2 end = onCircle(centre, radius, to);
    const Vec2 ahead{-std::sin(to), std::cos(to)};
    const Colour green{0.22f, 0.66f, 0.24f};
    pen.raised(
        [&](Vec2 q) {
            return std::min(sdArc(q, centre, radius, from, to, 2.3f),
                            sdArrowhead(q, end, ahead, 5.5f, 5.5f));
        },
        green, outlineFor(green));
}

// Undo Move: an arrow bending back over the top to the left and down.
float undoArrow(Vec2 q) {
    const Vec2 centre{17.5f, 17.0f};
    constexpr float radius = 8.0f;
    constexpr float from = -180.0f * kDegree;
    constexpr float to = 35.0f * kDegree;
    const Vec2 start = onCircle(centre, radius, from);
    return std::min(sdArc(q, centre, radius, from, to, 2.3f),
                    sdArrowhead(q, start, {0.0f, 1.0f}, 5.5f, 6.0f));
}

const Colour kArrowBlue{0.20f, 0.45f, 0.88f};

void undoMove(const PictogramPen& pen) {
    pen.raised(undoArrow, kArrowBlue, outlineFor(kArrowBlue));
}

// Redo Move: the same arrow mirrored.
void redoMove(const PictogramPen& pen) {
    pen.raised(
        [](Vec2 q) {
            return undoArrow({32.0f - q.x, q.y});
        },
        kArrowBlue, outlineFor(kArrowBlue));
}

// Suggest Move: a glowing light bulb.
void suggestMove(const PictogramPen& pen) {
    const Vec2 glass{16.0f, 11.5f};
    constexpr float glassRadius = 7.0f;
    const Colour ray{1.0f, 0.66f, 0.10f};
    for (float angle : {-160.0f, -125.0f, -55.0f, -20.0f}) {
        const Vec2 a = onCircle(glass, glassRadius + 2.8f, angle * kDegree);
        const Vec2 b = onCircle(glass, glassRadius + 5.3f, angle * kDegree);
        pen.raised([&](Vec2 q) { return sdCapsule(q, a, b, 0.9f); }, ray, outlineFor(ray), 0.8f);
    }
    const std::array<Vec2, 4> neck{
        {{11.0f, 15.0f}, {21.0f, 15.0f}, {19.5f, 21.0f}, {12.5f, 21.0f}}};
    const Colour yellow{1.0f, 0.88f, 0.30f};
    pen.raised(
        [&](Vec2 q) { return std::min(sdCircle(q, glass, glassRadius), sdPolygon(q, neck)); },
        yellow, outlineFor(yellow));
    pen.flat(
        [&](Vec2 q) {
            return sdEllipse(q, {13.2f, 8.6f}, {2.0f, 1.4f});
        },
        grey(1.0f), false, 0.85f);
    const Colour metal{0.66f, 0.68f, 0.72f};
    pen.raised(
        [](Vec2 q) {
            return sdRoundedBox(q, {16.0f, 27.2f}, {1.8f, 1.0f}, 0.8f);
        },
        kInk, kInk);
    pen.raised(
        [](Vec2 q) {
            return sdRoundedBox(q, {16.0f, 23.3f}, {3.6f, 3.0f}, 1.0f);
        },
        metal, outlineFor(metal));
    for (float y : {22.4f, 24.4f}) {
        pen.flat([&](Vec2 q) { return sdCapsule(q, {12.8f, y}, {19.2f, y}, 0.35f); }, kInk, true);
    }
}

// Force Move: a lightning bolt.
void forceMove(const PictogramPen& pen) {
    const std::array<Vec2, 7> bolt{{{17.5f, 1.5f},
                                    {25.5f, 1.5f},
                                    {19.5f, 11.0f},
                                    {25.0f, 11.0f},
                                    {10.0f, 28.5f},
                                    {14.0f, 17.0f},
                                    {8.0f, 17.0f}}};
    const Colour orange{1.0f, 0.74f, 0.12f};
    pen.raised([&](Vec2 q) { return sdPolygon(q, bolt); }, orange, outlineFor(orange));
}

// View Statistics: a bar chart on its axes.
void viewStatistics(const PictogramPen& pen) {
    struct Bar {
        float left;
        float top;
        Colour colour;
    };
    const std::array<Bar, 4> bars{{{7.5f, 16.0f, {0.20f, 0.45f, 0.88f}},
                                   {13.5f, 9.0f, {0.22f, 0.66f, 0.24f}},
                                   {19.5f, 13.0f, {0.85f, 0.22f, 0.15f}},
                                   {25.5f, 4.0f, {1.0f, 0.78f, 0.16f}}}};
    for (const Bar& bar : bars) {
        const float bottom = 25.0f;
        pen.raised(
            [&](Vec2 q) {
                return sdRoundedBox(q, {bar.left + 2.0f, (bar.top + bottom) * 0.5f},
                                    {2.0f, (bottom - bar.top) * 0.5f}, 0.6f);
            },
            bar.colour, outlineFor(bar.colour));
    }
    pen.flat(
        [](Vec2 q) {
            return std::min(sdCapsule(q, {4.0f, 3.0f}, {4.0f, 26.5f}, 1.0f),
                            sdCapsule(q, {4.0f, 26.5f}, {30.5f, 26.5f}, 1.0f));
        },
        kInk, true);
}

// Help: a question mark on a blue disc.
void help(const PictogramPen& pen) {
    const Vec2 centre{16.0f, 15.0f};
    const Colour blue{0.18f, 0.42f, 0.86f};
    pen.raised([&](Vec2 q) { return sdCircle(q, centre, 12.5f); }, blue, outlineFor(blue));
    const Vec2 hook{16.0f, 11.2f};
    constexpr float hookRadius = 4.0f;
    constexpr float hookEnd = 55.0f * kDegree;
    const Vec2 bend = onCircle(hook, hookRadius, hookEnd);
    pen.flat(
        [&](Vec2 q) {
            const float arc = sdArc(q, hook, hookRadius, -195.0f * kDegree, hookEnd, 1.7f);
            const float stem = std::min(sdCapsule(q, bend, {16.0f, 16.8f}, 1.7f),
                                        sdCapsule(q, {16.0f, 16.8f}, {16.0f, 17.8f}, 1.7f));
            const float dot = sdCircle(q, {16.0f, 22.2f}, 1.9f);
            return std::min({arc, stem, dot});
        },
        grey(1.0f));
}

using Painter = void (*)(const PictogramPen&);

constexpr std::array<Painter, 8> kButtonOrder{newGame,     restartGame, undoMove,       redoMove,
                                              suggestMove, forceMove,   viewStatistics, help};

} // namespace

void paintToolbarPictograms(Canvas& canvas, int scale, PictogramLook look) {
    constexpr int width = 32;
    constexpr int height = 30;
    for (std::size_t i = 0; i < kButtonOrder.size(); ++i) {
        const PictogramPen pen(canvas, scale, static_cast<int>(i) * width, 0, width, height, look);
        kButtonOrder[i](pen);
    }
}

} // namespace vh::assets
