#include "assets/portraits.h"

#include "assets/noise.h"
#include "assets/paint_math.h"
#include "assets/shapes.h"

#include <array>
#include <cmath>
#include <vector>

namespace vh::assets {

namespace {

constexpr int kScale = 2; // painted at twice the size, then averaged down

// Deterministic choices drawn from one name's hash.
class Choices {
public:
    explicit Choices(std::uint32_t seed) : state_(seed) {}

    float unit() {
        state_ = hashMix(state_ + 0x9e3779b9u);
        return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
    }
    float between(float lo, float hi) { return mix(lo, hi, unit()); }
    int pick(int count) {
        return std::min(static_cast<int>(unit() * static_cast<float>(count)), count - 1);
    }
    bool chance(float p) { return unit() < p; }

private:
    std::uint32_t state_;
};

enum class HairStyle { Short, SidePart, Long, Receding, Curly, Bun };
enum class Clothes { Jacket, Sweater, Turtleneck };

struct Face {
    Colour skin;
    Colour hair;
    Colour eyes;
    Colour clothes;
    Colour shirt;
    Colour backdropTop;
    Colour backdropBottom;
    HairStyle hairStyle;
    Clothes clothing;
    float headWidth;  // x radius of the head
    float headHeight; // y radius
    float jaw;        // how much the face narrows to the chin
    float eyeSpacing;
    float eyeSize;
    float browArch;
    float browWeight;
    float noseLength;
    float noseWidth;
    float mouthWidth;
    float smile;
    float lipFullness;
    bool glasses;
    bool roundGlasses;
    bool moustache;
    bool beard;
    bool lined;  // smile lines and a lined forehead
    bool lashes; // darker lashes and fuller lips
    std::uint32_t seed;
};

Face faceFor(std::uint32_t seed) {
    Choices c(seed);
    static const std::array<Colour, 6> skins{{{0.96f, 0.80f, 0.69f},
                                              {0.92f, 0.73f, 0.60f},
                                              {0.84f, 0.63f, 0.48f},
                                              {0.71f, 0.51f, 0.36f},
                                              {0.56f, 0.38f, 0.26f},
                                              {0.41f, 0.27f, 0.19f}}};
    static const std::array<Colour, 7> hairs{{{0.07f, 0.06f, 0.06f},
                                              {0.20f, 0.13f, 0.08f},
                                              {0.38f, 0.24f, 0.14f},
                                              {0.55f, 0.24f, 0.11f},
                                              {0.82f, 0.66f, 0.40f},
                                              {0.58f, 0.57f, 0.55f},
                                              {0.86f, 0.86f, 0.84f}}};
    static const std::array<Colour, 5> eyes{{{0.33f, 0.20f, 0.11f},
                                             {0.44f, 0.34f, 0.17f},
                                             {0.27f, 0.47f, 0.70f},
                                             {0.30f, 0.50f, 0.33f},
                                             {0.42f, 0.48f, 0.54f}}};
    static const std::array<Colour, 7> clothes{{{0.14f, 0.19f, 0.34f},
                                                {0.44f, 0.10f, 0.15f},
                                                {0.15f, 0.31f, 0.22f},
                                                {0.21f, 0.21f, 0.23f},
                                                {0.62f, 0.47f, 0.30f},
                                                {0.09f, 0.38f, 0.42f},
                                                {0.36f, 0.19f, 0.38f}}};
    static const std::array<Colour, 6> backdrops{{{0.40f, 0.47f, 0.56f},
                                                  {0.47f, 0.53f, 0.45f},
                                                  {0.55f, 0.50f, 0.46f},
                                                  {0.58f, 0.44f, 0.45f},
                                                  {0.62f, 0.53f, 0.35f},
                                                  {0.30f, 0.46f, 0.47f}}};
    Face f{};
    f.seed = seed;
    f.skin = skins[static_cast<std::size_t>(c.pick(6))];
    const int hair = c.pick(7);
    f.hair = hairs[static_cast<std::size_t>(hair)];
    f.eyes = eyes[static_cast<std::size_t>(c.pick(5))];
    f.clothes = clothes[static_cast<std::size_t>(c.pick(7))];
    f.shirt = c.chance(0.6f) ? Colour{0.94f, 0.94f, 0.92f} : Colour{0.72f, 0.80f, 0.90f};
    const Colour backdrop = backdrops[static_cast<std::size_t>(c.pick(6))];
    f.backdropTop = backdrop * 1.15f;
    f.backdropBottom = backdrop * 0.62f;
    f.hairStyle = static_cast<HairStyle>(c.pick(6));
    f.clothing = static_cast<Clothes>(c.pick(3));
    f.headWidth = c.between(70.0f, 80.0f);
    f.headHeight = c.between(94.0f, 102.0f);
    f.jaw = c.between(0.15f, 0.35f);
    f.eyeSpacing = c.between(0.40f, 0.46f) * f.headWidth;
    f.eyeSize = c.between(0.9f, 1.1f);
    f.browArch = c.between(1.0f, 5.0f);
    f.browWeight = c.between(2.6f, 4.2f);
    f.noseLength = c.between(0.33f, 0.40f) * f.headHeight;
    f.noseWidth = c.between(0.15f, 0.19f) * f.headWidth;
    f.mouthWidth = c.between(0.26f, 0.33f) * f.headWidth;
    f.smile = c.between(1.5f, 6.0f);
    f.lipFullness = c.between(0.8f, 1.3f);
    f.glasses = c.chance(0.35f);
    f.roundGlasses = c.chance(0.5f);
    f.moustache = c.chance(0.25f);
    f.beard = c.chance(0.22f);
    f.lined = hair >= 5 || c.chance(0.2f);
    // Long hair and buns go with a soft face: lashes, fuller lips, no beard.
    f.lashes = f.hairStyle == HairStyle::Long || f.hairStyle == HairStyle::Bun ||
               (f.hairStyle == HairStyle::Curly && c.chance(0.5f));
    if (f.lashes) {
        f.moustache = false;
        f.beard = false;
        f.lipFullness = std::max(f.lipFullness, 1.15f);
    }
    if (f.hairStyle == HairStyle::Receding && hair < 5 && c.chance(0.5f)) {
        f.lined = true;
    }
    return f;
}

const Vec3 kKeyLight = normalize({-0.5f, -0.45f, 0.75f});

float lambert(const Vec3& n) {
    return std::max(0.0f, dot(n, kKeyLight));
}

// The normal of an ellipsoid bulging towards the viewer.
Vec3 bulge(Vec2 p, Vec2 centre, Vec2 radii, float depth = 1.0f) {
    const float u = (p.x - centre.x) / radii.x;
    const float v = (p.y - centre.y) / radii.y;
    const float z = std::sqrt(std::max(0.02f, 1.0f - u * u - v * v));
    return normalize({u, v, z * depth});
}

// A stroke along a polyline, its radius running from r0 at the start to r1 at
// the end.
float sdStroke(Vec2 p, const std::vector<Vec2>& points, float r0, float r1) {
    float best = 1e9f;
    const float segments = static_cast<float>(points.size() - 1);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const float t = (static_cast<float>(i) + 0.5f) / segments;
        best = std::min(best, sdCapsule(p, points[i], points[i + 1], mix(r0, r1, t)));
    }
    return best;
}

// The pixels a stroke can touch.
PixelBox strokeBox(const std::vector<Vec2>& points, float radius) {
    float x0 = 1e9f;
    float y0 = 1e9f;
    float x1 = -1e9f;
    float y1 = -1e9f;
    for (const Vec2& p : points) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    return {static_cast<int>(x0 - radius) - 2, static_cast<int>(y0 - radius) - 2,
            static_cast<int>(x1 + radius) + 3, static_cast<int>(y1 + radius) + 3};
}

// Points along a quadratic curve from a to b bending towards `control`.
std::vector<Vec2> curve(Vec2 a, Vec2 control, Vec2 b, int steps = 8) {
    std::vector<Vec2> points;
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const float k0 = (1 - t) * (1 - t);
        const float k1 = 2 * (1 - t) * t;
        const float k2 = t * t;
        points.push_back(
            {k0 * a.x + k1 * control.x + k2 * b.x, k0 * a.y + k1 * control.y + k2 * b.y});
    }
    return points;
}

class PortraitPainter {
public:
    PortraitPainter(const Face& face)
        : f_(face),
          canvas_(kPortraitWidth * kScale, kPortraitHeight * kScale), head_{150.0f, 172.0f} {}

    Image paint() {
        backdrop();
        if (f_.hairStyle == HairStyle::Long) {
            longHairBehind();
        }
        body();
        neck();
        collar();
        ears();
        face();
        if (f_.lined) {
            lines();
        }
        eyes();
        brows();
        nose();
        mouth();
        if (f_.beard) {
            beard();
        }
        if (f_.moustache) {
            moustache();
        }
        hair();
        if (f_.glasses) {
            glasses();
        }
        return flatten(canvas_.downsampled(kScale), grey(0.0f));
    }

private:
    float rx() const { return f_.headWidth; }
    float ry() const { return f_.headHeight; }
    float eyeY() const { return head_.y + 2.0f; }

    // The face outline: an ellipse narrowing towards the chin.
    float faceDistance(Vec2 p) const {
        const float v = std::clamp((p.y - head_.y) / ry(), 0.0f, 1.0f);
        const float narrow = 1.0f - f_.jaw * v * v;
        return sdEllipse({head_.x + (p.x - head_.x) / narrow, p.y}, head_, {rx(), ry()});
    }

    Colour skinLit(Vec2 p, const Vec3& n, float amount = 1.0f) const {
        const float d = lambert(n);
        Colour c = f_.skin * ((0.42f + 0.68f * d) * (0.8f + 0.2f * n.z));
        // Warm light bleeding through at the shadowed edges.
        c = c + Colour{0.06f, 0.01f, 0.0f} * (1.0f - n.z);
        const float tone = 1.0f + 0.02f * gradientNoise(p.x * 0.08f, p.y * 0.08f, f_.seed + 3u);
        return c * (tone * amount);
    }

    void backdrop() {
        paintArea(canvas_, wholeCanvas(canvas_), [&](Vec2 p) {
            const float t = p.y / static_cast<float>(canvas_.height());
            Colour c = mix(f_.backdropTop, f_.backdropBottom, t);
            // A soft pool of light behind the head.
            const float dx = (p.x - 170.0f) / 220.0f;
            const float dy = (p.y - 130.0f) / 220.0f;
            c = c * (0.8f + 0.35f * std::exp(-(dx * dx + dy * dy) * 2.0f));
            return c * (1.0f + 0.03f * fbm(p.x * 0.01f, p.y * 0.01f, f_.seed + 1u, 3));
        });
    }

    Colour hairShade(Vec2 p, Vec2 centre, Vec2 radii) const {
        const Vec3 n = bulge(p, centre, radii);
        const float d = lambert(n);
        const float strands = gradientNoise(p.x * 0.25f, p.y * 0.03f, f_.seed + 5u) * 0.12f +
                              gradientNoise(p.x * 0.6f, p.y * 0.06f, f_.seed + 6u) * 0.08f;
        Colour c = f_.hair * (0.45f + 0.7f * d + strands);
        // A sheen across the crown.
        const float sheen =
            std::pow(std::max(0.0f, dot(n, normalize({-0.3f, -0.7f, 0.6f}))), 12.0f);
        return c + grey(0.18f * sheen * (0.4f + luminance(f_.hair)));
    }

    void longHairBehind() {
        const Vec2 centre{head_.x, head_.y + 55.0f};
        const Vec2 radii{rx() + 20.0f, ry() + 62.0f};
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) { return std::max(sdEllipse(p, centre, radii), p.y - 330.0f); },
            [&](Vec2 p) { return hairShade(p, centre, radii) * 0.8f; });
    }

    float chinY() const { return head_.y + ry(); }

    void body() {
        // Shoulders falling away from the neck, cut off by the frame.
        const float top = chinY() + 0.22f * ry();
        const Vec2 centre{150.0f, top + 150.0f};
        const Vec2 half{150.0f, 150.0f};
        const auto shoulders = [&](Vec2 p) {
            // A rounded block whose top falls off towards the arms.
            const float dx = (p.x - 150.0f) / 150.0f;
            return sdRoundedBox({p.x, p.y - 38.0f * dx * dx}, centre, half, 95.0f);
        };
        paintShape(canvas_, wholeCanvas(canvas_), shoulders, [&](Vec2 p) {
            const Vec3 n = bulge(p, {150.0f, top + 120.0f}, {190.0f, 200.0f}, 0.9f);
            const float weave =
                1.0f + 0.05f * gradientNoise(p.x * 0.35f, p.y * 0.35f, f_.seed + 9u);
            return f_.clothes * ((0.40f + 0.7f * lambert(n)) * weave);
        });
    }

    void collar() {
        const float top = chinY() + 0.22f * ry();
        const float neckBase = top + 8.0f;
        if (f_.clothing == Clothes::Jacket) {
            // Shirt in the opening, lapels either side.
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    const float halfWidth = 40.0f - (p.y - neckBase) * 0.32f;
                    return std::max(
                        {std::abs(p.x - 150.0f) - halfWidth, neckBase - 16.0f - p.y, p.y - 420.0f});
                },
                [&](Vec2 p) {
                    return f_.shirt * (0.78f + 0.2f * (1.0f - (p.y - neckBase) / 100.0f));
                });
            for (float side : {-1.0f, 1.0f}) {
                const std::vector<Vec2> lapel{{150.0f + side * 44.0f, neckBase - 10.0f},
                                              {150.0f + side * 14.0f, neckBase + 90.0f}};
                paintShape(
                    canvas_, strokeBox(lapel, 14.0f),
                    [&](Vec2 p) { return sdStroke(p, lapel, 3.0f, 3.0f); },
                    [&](Vec2) { return f_.clothes * 0.55f; });
                const std::vector<Vec2> collar{{150.0f + side * 34.0f, neckBase - 18.0f},
                                               {150.0f + side * 8.0f, neckBase + 16.0f}};
                paintShape(
                    canvas_, strokeBox(collar, 14.0f),
                    [&](Vec2 p) { return sdStroke(p, collar, 8.0f, 3.0f); },
                    [&](Vec2) { return f_.shirt * 0.95f; });
            }
        } else if (f_.clothing == Clothes::Sweater) {
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    return sdEllipse(p, {150.0f, neckBase - 8.0f}, {rx() * 0.62f, 18.0f});
                },
                [&](Vec2 p) {
                    const float rib = 0.9f + 0.1f * std::sin(p.x * 1.2f);
                    return f_.clothes * (0.75f * rib);
                });
        } else {
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    return sdRoundedBox(p, {150.0f, neckBase - 20.0f}, {rx() * 0.52f, 24.0f},
                                        14.0f);
                },
                [&](Vec2 p) {
                    const float fold = 0.9f + 0.1f * std::sin(p.y * 0.5f + std::sin(p.x * 0.05f));
                    const Vec3 n = bulge(p, {150.0f, neckBase - 22.0f}, {rx() * 0.6f, 60.0f});
                    return f_.clothes * ((0.45f + 0.6f * lambert(n)) * fold);
                });
        }
    }

    void neck() {
        const float top = head_.y + 0.4f * ry();
        const float bottom = chinY() + 0.4f * ry();
        const float half = rx() * 0.44f;
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                // Wider where it meets the shoulders.
                const float flare = 6.0f * smoothstep(chinY(), bottom, p.y);
                return std::max(std::abs(p.x - head_.x) - half - flare,
                                std::max(top - p.y, p.y - bottom));
            },
            [&](Vec2 p) {
                const Vec3 n = bulge(p, {head_.x, p.y}, {half * 1.1f, 200.0f});
                // In the shadow of the chin.
                const float shadow =
                    1.0f - 0.4f * smoothstep(chinY() + 0.25f * ry(), chinY() - 0.05f * ry(), p.y);
                return skinLit(p, n, 0.86f * shadow);
            });
    }

    void ears() {
        for (float side : {-1.0f, 1.0f}) {
            const Vec2 c{head_.x + side * (rx() - 3.0f), eyeY() + 0.12f * ry()};
            const Vec2 r{0.16f * rx(), 0.25f * ry()};
            paintShape(
                canvas_, wholeCanvas(canvas_), [&](Vec2 p) { return sdEllipse(p, c, r); },
                [&](Vec2 p) {
                    const Vec3 n = bulge(p, c, r);
                    const float inner = smoothstep(
                        0.7f, 0.0f,
                        -sdEllipse(p, {c.x + side * 2.0f, c.y}, {r.x * 0.45f, r.y * 0.55f}) / 5.0f);
                    return skinLit(p, n, 0.9f - 0.15f * inner);
                });
        }
    }

    void face() {
        paintShape(
            canvas_, wholeCanvas(canvas_), [&](Vec2 p) { return faceDistance(p); },
            [&](Vec2 p) {
                const Vec3 n = bulge(p, {head_.x, head_.y - 5.0f}, {rx() * 1.02f, ry() * 1.05f});
                Colour c = skinLit(p, n);
                // Colour in the cheeks.
                for (float side : {-1.0f, 1.0f}) {
                    const float dx = (p.x - (head_.x + side * rx() * 0.55f)) / 20.0f;
                    const float dy = (p.y - (eyeY() + 0.36f * ry())) / 16.0f;
                    c = mix(c, Colour{0.85f, 0.42f, 0.38f} * (luminance(f_.skin) + 0.2f),
                            0.14f * std::exp(-(dx * dx + dy * dy)));
                }
                return c;
            });
        // The shade of the eye sockets under the brow.
        for (float side : {-1.0f, 1.0f}) {
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    return sdEllipse(p, {head_.x + side * f_.eyeSpacing, eyeY() - 4.0f},
                                     {0.26f * rx(), 0.13f * ry()}) /
                           8.0f;
                },
                [&](Vec2) { return f_.skin * 0.6f; }, 0.35f);
        }
    }

    void lines() {
        const Colour crease = f_.skin * 0.62f;
        for (float side : {-1.0f, 1.0f}) {
            const auto smileLine = curve({head_.x + side * 13.0f, eyeY() + f_.noseLength - 2.0f},
                                         {head_.x + side * 26.0f, eyeY() + f_.noseLength + 14.0f},
                                         {head_.x + side * 22.0f, eyeY() + f_.noseLength + 30.0f});
            paintShape(
                canvas_, strokeBox(smileLine, 14.0f),
                [&](Vec2 p) { return sdStroke(p, smileLine, 1.1f, 0.4f); },
                [&](Vec2) { return crease; }, 0.6f);
        }
        for (int i = 0; i < 2; ++i) {
            const float y = head_.y - ry() * 0.48f + static_cast<float>(i) * 8.0f;
            const auto line = curve({head_.x - 26.0f, y + 2.0f}, {head_.x, y - 3.0f},
                                    {head_.x + 26.0f, y + 2.0f});
            paintShape(
                canvas_, strokeBox(line, 14.0f),
                [&](Vec2 p) { return sdStroke(p, line, 0.5f, 0.5f); }, [&](Vec2) { return crease; },
                0.45f);
        }
    }

    void eyes() {
        const float w = 0.165f * rx() * f_.eyeSize;
        const float h = 0.52f * w;
        for (float side : {-1.0f, 1.0f}) {
            const Vec2 c{head_.x + side * f_.eyeSpacing, eyeY()};
            const auto eyeShape = [&](Vec2 p) {
                // Almond: an ellipse pinched towards the corners.
                const float u = (p.x - c.x) / w;
                const float squeeze = 1.0f - 0.25f * u * u;
                return sdEllipse({p.x, c.y + (p.y - c.y) / squeeze}, c, {w, h});
            };
            paintShape(canvas_, around(c, w + 2.0f, h + 2.0f), eyeShape, [&](Vec2 p) {
                const float shade = smoothstep(c.y + h, c.y - h, p.y);
                return Colour{0.93f, 0.91f, 0.88f} * (0.82f - 0.18f * shade);
            });
            const Vec2 iris{c.x + side * -0.8f, c.y + 0.5f};
            const float irisRadius = h * 0.95f;
            paintShape(
                canvas_, around(iris, irisRadius, irisRadius),
                [&](Vec2 p) { return std::max(sdCircle(p, iris, irisRadius), eyeShape(p)); },
                [&](Vec2 p) {
                    const float r = std::sqrt((p.x - iris.x) * (p.x - iris.x) +
                                              (p.y - iris.y) * (p.y - iris.y)) /
                                    irisRadius;
                    const float rays =
                        1.0f + 0.12f * std::sin(std::atan2(p.y - iris.y, p.x - iris.x) * 13.0f);
                    Colour c2 = f_.eyes * ((0.7f + 0.5f * r) * rays);
                    return mix(c2, f_.eyes * 0.35f, smoothstep(0.8f, 1.0f, r));
                });
            paintShape(
                canvas_, around(iris, irisRadius, irisRadius),
                [&](Vec2 p) {
                    return std::max(sdCircle(p, iris, irisRadius * 0.42f), eyeShape(p));
                },
                [&](Vec2) { return grey(0.04f); });
            paintShape(
                canvas_, around(iris, irisRadius, irisRadius),
                [&](Vec2 p) {
                    return sdCircle(p, {iris.x - 2.0f, iris.y - 2.2f}, 1.5f);
                },
                [&](Vec2) { return grey(1.0f); }, 0.9f);
            // Upper lid line and a soft crease above it.
            const auto lid = curve({c.x - w - 1.0f, c.y + 1.0f}, {c.x, c.y - h * 2.0f},
                                   {c.x + w + 1.0f, c.y + 1.0f});
            paintShape(
                canvas_, around(c, w + 4.0f, h + 6.0f),
                [&](Vec2 p) {
                    // Lashes thicken the lid towards the outer corner.
                    const float outer = clamp01((p.x - c.x) * side / w * 0.5f + 0.5f);
                    return sdStroke(p, lid, 1.3f, 1.3f) - (f_.lashes ? 1.2f * outer : 0.0f);
                },
                [&](Vec2) {
                    return Colour{0.12f, 0.08f, 0.07f};
                });
            const auto crease =
                curve({c.x - w, c.y - 2.0f}, {c.x, c.y - h * 2.6f}, {c.x + w, c.y - 2.0f});
            paintShape(
                canvas_, around(c, w + 4.0f, h + 10.0f),
                [&](Vec2 p) { return sdStroke(p, crease, 0.9f, 0.6f); },
                [&](Vec2) { return f_.skin * 0.6f; }, 0.5f);
            const auto lower = curve({c.x - w + 2.0f, c.y + 2.0f}, {c.x, c.y + h * 1.6f},
                                     {c.x + w - 1.0f, c.y + 1.0f});
            paintShape(
                canvas_, around(c, w + 4.0f, h + 6.0f),
                [&](Vec2 p) { return sdStroke(p, lower, 0.7f, 0.7f); },
                [&](Vec2) { return f_.skin * 0.55f; }, 0.45f);
        }
    }

    Colour browColour() const {
        return luminance(f_.hair) > 0.5f ? f_.hair * 0.55f : f_.hair * 0.9f;
    }

    void brows() {
        for (float side : {-1.0f, 1.0f}) {
            const float inner = head_.x + side * (f_.eyeSpacing - 0.17f * rx());
            const float outer = head_.x + side * (f_.eyeSpacing + 0.22f * rx());
            const float y = eyeY() - 0.17f * ry();
            const auto brow = curve({inner, y}, {(inner + outer) * 0.5f, y - f_.browArch - 4.0f},
                                    {outer, y + 1.0f});
            paintShape(
                canvas_, strokeBox(brow, 14.0f),
                [&](Vec2 p) { return sdStroke(p, brow, f_.browWeight, f_.browWeight * 0.45f); },
                [&](Vec2 p) {
                    return browColour() *
                           (1.0f + 0.2f * gradientNoise(p.x * 0.5f, p.y * 0.5f, f_.seed + 7u));
                },
                0.92f);
        }
    }

    void nose() {
        const float top = eyeY() + 4.0f;
        const float tip = eyeY() + f_.noseLength;
        const float w = f_.noseWidth;
        // The shadow side of the nose (away from the light) and under it.
        const std::vector<Vec2> ridge{
            {head_.x + 4.0f, top}, {head_.x + 6.0f, tip - 8.0f}, {head_.x + w * 0.6f, tip}};
        paintShape(
            canvas_, strokeBox(ridge, 14.0f),
            [&](Vec2 p) { return sdStroke(p, ridge, 3.0f, 4.0f) / 3.0f; },
            [&](Vec2) { return f_.skin * 0.62f; }, 0.35f);
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                return sdEllipse(p, {head_.x + 1.0f, tip + 5.0f}, {w * 0.9f, 3.5f}) / 2.0f;
            },
            [&](Vec2) { return f_.skin * 0.55f; }, 0.45f);
        // Tip and nostrils.
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                return sdCircle(p, {head_.x - 1.5f, tip - 1.0f}, w * 0.45f) / 3.0f;
            },
            [&](Vec2) { return f_.skin * 1.12f; }, 0.5f);
        for (float side : {-1.0f, 1.0f}) {
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    return sdEllipse(p, {head_.x + side * w * 0.45f, tip + 2.5f}, {3.2f, 1.8f});
                },
                [&](Vec2) { return f_.skin * 0.35f; }, 0.75f);
        }
        // The lit bridge.
        const std::vector<Vec2> bridge{{head_.x - 2.0f, top + 6.0f}, {head_.x - 2.5f, tip - 6.0f}};
        paintShape(
            canvas_, strokeBox(bridge, 14.0f),
            [&](Vec2 p) { return sdStroke(p, bridge, 2.0f, 2.5f) / 3.0f; },
            [&](Vec2) { return f_.skin * 1.15f; }, 0.3f);
    }

    float mouthY() const { return eyeY() + f_.noseLength + 0.17f * ry(); }

    void mouth() {
        const float y = mouthY();
        const float w = f_.mouthWidth;
        const Colour lips = mix(f_.skin, Colour{0.68f, 0.24f, 0.26f}, f_.lashes ? 0.62f : 0.5f);
        const float full = f_.lipFullness;
        const auto bend = [&](Vec2 p) {
            const float u = (p.x - head_.x) / w;
            return Vec2{p.x, p.y + f_.smile * u * u};
        };
        // Upper lip with a bow in the middle, lower lip fuller and lit.
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                const Vec2 q = bend(p);
                const float bow = 1.2f * std::exp(-std::pow((q.x - head_.x) / 5.0f, 2.0f));
                return sdEllipse({q.x, q.y + bow}, {head_.x, y - 2.6f * full}, {w, 3.4f * full});
            },
            [&](Vec2) { return lips * 0.72f; });
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                return sdEllipse(bend(p), {head_.x, y + 3.6f * full}, {w * 0.8f, 4.8f * full});
            },
            [&](Vec2 p) {
                const Vec2 q = bend(p);
                const float shine = std::exp(-std::pow((q.y - (y + 2.5f * full)) / 2.5f, 2.0f) -
                                             std::pow((q.x - head_.x + 3.0f) / (w * 0.4f), 2.0f));
                return lips * (0.92f + 0.25f * shine);
            });
        const auto line =
            curve({head_.x - w - 1.0f, y - f_.smile * 0.8f}, {head_.x, y + f_.smile * 0.8f},
                  {head_.x + w + 1.0f, y - f_.smile * 0.8f});
        paintShape(
            canvas_, strokeBox(line, 14.0f), [&](Vec2 p) { return sdStroke(p, line, 0.9f, 0.9f); },
            [&](Vec2) { return lips * 0.38f; });
        // The soft shadow under the lower lip.
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                return sdEllipse(p, {head_.x + 2.0f, y + 12.0f * full}, {w * 0.5f, 3.0f}) / 3.0f;
            },
            [&](Vec2) { return f_.skin * 0.7f; }, 0.3f);
    }

    void beard() {
        const float mouthAt = mouthY();
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                const float d = faceDistance({p.x, p.y - 4.0f}) - 3.0f;
                // The upper edge runs from the sideburns down the cheeks to
                // just above the mouth, softly.
                const float u = (p.x - head_.x) / rx();
                const float edge = mouthAt - 0.06f * ry() - 0.62f * ry() * u * u;
                const float below = (edge - p.y) / 3.0f;
                const float mouthHole =
                    -sdEllipse(p, {head_.x, mouthAt + 1.5f}, {f_.mouthWidth + 2.0f, 8.0f});
                return std::max({d, below, mouthHole});
            },
            [&](Vec2 p) {
                const Vec3 n = bulge(p, {head_.x, head_.y + 20.0f}, {rx(), ry()});
                const float curls = gradientNoise(p.x * 0.45f, p.y * 0.3f, f_.seed + 11u) * 0.18f +
                                    gradientNoise(p.x * 1.1f, p.y * 0.7f, f_.seed + 14u) * 0.08f;
                return f_.hair * (0.55f + 0.55f * lambert(n) + curls);
            },
            0.95f);
    }

    void moustache() {
        const float y = mouthY() - 9.0f;
        for (float side : {-1.0f, 1.0f}) {
            const auto half =
                curve({head_.x, y - 1.0f}, {head_.x + side * f_.mouthWidth * 0.6f, y - 2.0f},
                      {head_.x + side * (f_.mouthWidth + 3.0f), y + 6.0f});
            paintShape(
                canvas_, strokeBox(half, 14.0f),
                [&](Vec2 p) { return sdStroke(p, half, 4.5f, 2.0f); },
                [&](Vec2 p) {
                    return f_.hair *
                           (0.8f + 0.25f * gradientNoise(p.x * 0.6f, p.y * 0.2f, f_.seed + 12u));
                });
        }
    }

    void hair() {
        const Vec2 capCentre{head_.x, head_.y - 6.0f};
        Vec2 capRadii{rx() * 1.1f, ry() * 1.02f};
        const float top = head_.y - ry();
        std::vector<Vec2> extra; // circles: x, y, radius in the extra list (bun)
        float hairline = top + ry() * 0.42f;
        float slope = 0.0f;
        float curl = 0.0f;
        float sideLimit = rx() * 0.92f;
        bool sidesOnly = false;
        switch (f_.hairStyle) {
        case HairStyle::Short:
            hairline = top + ry() * 0.36f;
            capRadii = {rx() * 1.06f, ry() * 0.99f};
            break;
        case HairStyle::SidePart:
            hairline = top + ry() * 0.42f;
            slope = 0.22f;
            break;
        case HairStyle::Long:
            hairline = top + ry() * 0.40f;
            capRadii = {rx() * 1.14f, ry() * 1.04f};
            sideLimit = rx() * 0.86f;
            break;
        case HairStyle::Receding:
            sidesOnly = true;
            capRadii = {rx() * 1.04f, ry() * 1.0f};
            break;
        case HairStyle::Curly:
            hairline = top + ry() * 0.38f;
            capRadii = {rx() * 1.2f, ry() * 1.08f};
            curl = 6.0f;
            break;
        case HairStyle::Bun:
            hairline = top + ry() * 0.36f;
            capRadii = {rx() * 1.05f, ry() * 1.0f};
            break;
        }
        const auto distance = [&](Vec2 p) {
            float cap = sdEllipse(p, capCentre, capRadii);
            if (curl > 0.0f) {
                const float angle = std::atan2(p.y - capCentre.y, p.x - capCentre.x);
                cap += curl * (0.5f + 0.5f * std::sin(angle * 15.0f)) +
                       3.0f * gradientNoise(p.x * 0.12f, p.y * 0.12f, f_.seed + 13u);
            }
            if (sidesOnly) {
                // Hair only around the sides and back, above the ears.
                // A rim along the outline of the head from the temples to the
                // ears.
                const float dx = std::abs(p.x - head_.x);
                const float rim = -(faceDistance(p) + 0.07f * rx());
                const float window = sdEllipse({dx, p.y}, {rx() * 0.98f, head_.y - 0.1f * ry()},
                                               {rx() * 0.3f, ry() * 0.3f});
                return std::max({cap, rim, window});
            }
            const float u = (p.x - head_.x) / rx();
            const float line = hairline + slope * (p.x - head_.x) + 10.0f * u * u +
                               (curl > 0.0f ? 3.0f * std::sin(p.x * 0.25f) : 0.0f);
            const float open =
                std::max(p.y - line, 0.0f) > 0.0f && std::abs(p.x - head_.x) < sideLimit
                    ? -std::min(p.y - line, sideLimit - std::abs(p.x - head_.x))
                    : std::max(line - p.y, std::abs(p.x - head_.x) - sideLimit);
            // Below the eyes only long hair continues.
            const float lowest = f_.hairStyle == HairStyle::Long ? -1e9f : p.y - (eyeY() - 6.0f);
            return std::max({cap, -open, lowest});
        };
        paintShape(canvas_, wholeCanvas(canvas_), distance,
                   [&](Vec2 p) { return hairShade(p, capCentre, capRadii); });
        if (f_.hairStyle == HairStyle::Bun) {
            const Vec2 bun{head_.x + 6.0f, top - 4.0f};
            paintShape(
                canvas_, wholeCanvas(canvas_), [&](Vec2 p) { return sdCircle(p, bun, 24.0f); },
                [&](Vec2 p) {
                    return hairShade(p, bun, {24.0f, 24.0f});
                });
        }
        // A soft shadow of the hair on the forehead.
        if (!sidesOnly) {
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    const float line = hairline + slope * (p.x - head_.x) +
                                       10.0f * std::pow((p.x - head_.x) / rx(), 2.0f);
                    return std::max({(p.y - line - 7.0f) / 4.0f, faceDistance(p), line - p.y});
                },
                [&](Vec2) { return f_.skin * 0.6f; }, 0.35f);
        }
    }

    void glasses() {
        const Colour frame =
            f_.roundGlasses ? Colour{0.55f, 0.45f, 0.25f} : Colour{0.10f, 0.09f, 0.09f};
        for (float side : {-1.0f, 1.0f}) {
            const Vec2 c{head_.x + side * f_.eyeSpacing, eyeY() + 1.0f};
            const auto lens = [&](Vec2 p) {
                return f_.roundGlasses ? sdCircle(p, c, 15.0f)
                                       : sdRoundedBox(p, c, {17.0f, 12.0f}, 5.0f);
            };
            // A faint reflection on the glass.
            paintShape(
                canvas_, around(c, 18.0f, 16.0f),
                [&](Vec2 p) {
                    return std::max(lens(p),
                                    std::abs((p.x - c.x) + (p.y - c.y) * 0.8f + 4.0f) - 4.0f);
                },
                [&](Vec2) { return grey(1.0f); }, 0.18f);
            paintShape(
                canvas_, around(c, 20.0f, 18.0f), [&](Vec2 p) { return std::abs(lens(p)) - 1.4f; },
                [&](Vec2) { return frame; });
            const std::vector<Vec2> arm{
                {c.x + side * (f_.roundGlasses ? 15.0f : 17.0f), c.y - 3.0f},
                {head_.x + side * (rx() - 2.0f), c.y + 2.0f}};
            paintShape(
                canvas_, strokeBox(arm, 14.0f),
                [&](Vec2 p) { return sdStroke(p, arm, 1.4f, 1.2f); }, [&](Vec2) { return frame; });
        }
        const auto bridge =
            curve({head_.x - f_.eyeSpacing + 15.0f, eyeY() - 1.0f}, {head_.x, eyeY() - 6.0f},
                  {head_.x + f_.eyeSpacing - 15.0f, eyeY() - 1.0f}, 4);
        paintShape(
            canvas_, strokeBox(bridge, 14.0f),
            [&](Vec2 p) { return sdStroke(p, bridge, 1.4f, 1.4f); }, [&](Vec2) { return frame; });
    }

    const Face& f_;
    Canvas canvas_;
    Vec2 head_;
};

} // namespace

Image paintPortrait(const std::string& name) {
    const Face face = faceFor(hashText(name.c_str()));
    return PortraitPainter(face).paint();
}

Image paintStandardPhoto() {
    Canvas canvas(kPortraitWidth * kScale, kPortraitHeight * kScale);
    const Colour top{0.62f, 0.67f, 0.74f};
    const Colour bottom{0.36f, 0.40f, 0.48f};
    paintArea(canvas, wholeCanvas(canvas), [&](Vec2 p) {
        const float dx = (p.x - 150.0f) / 200.0f;
        const float dy = (p.y - 150.0f) / 200.0f;
        return mix(top, bottom, p.y / 400.0f) *
               (0.85f + 0.25f * std::exp(-(dx * dx + dy * dy) * 2.0f));
    });
    const Colour figure{0.86f, 0.88f, 0.91f};
    const auto shade = [&](Vec2 p, Vec2 centre, Vec2 radii) {
        return figure * (0.72f + 0.32f * lambert(bulge(p, centre, radii)));
    };
    const Vec2 shoulders{150.0f, 450.0f};
    const Vec2 shoulderRadii{135.0f, 150.0f};
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdEllipse(p, shoulders, shoulderRadii); },
        [&](Vec2 p) { return shade(p, shoulders, shoulderRadii); });
    // A gap between head and shoulders in the backdrop colour keeps the shapes apart.
    const Vec2 head{150.0f, 165.0f};
    const Vec2 headRadii{62.0f, 76.0f};
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) {
            return sdEllipse(p, head, {headRadii.x + 7.0f, headRadii.y + 7.0f});
        },
        [&](Vec2 p) { return mix(top, bottom, p.y / 400.0f) * 0.95f; });
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdEllipse(p, head, headRadii); },
        [&](Vec2 p) { return shade(p, head, headRadii); });
    return flatten(canvas.downsampled(kScale), grey(0.0f));
}

} // namespace vh::assets
