#include "assets/portraits.h"

#include "assets/noise.h"
#include "assets/paint_math.h"
#include "assets/portrait_layout.h"
#include "assets/shapes.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace vh::assets {

namespace {

constexpr int kPortraitScale = 2; // painted at twice the size, then averaged down

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
    explicit PortraitPainter(const PortraitLook& look)
        : f_(look), layout_(look), hair_(layout_.hair()),
          canvas_(kPortraitWidth * kPortraitScale, kPortraitHeight * kPortraitScale),
          head_(layout_.head()) {}

    Image paint() {
        backdrop();
        hairBehind();
        neck();
        body();
        collar();
        ears();
        if (f_.earrings) {
            earrings();
        }
        face();
        if (f_.wrinkles > 0.0f) {
            lines();
        }
        eyes();
        brows();
        nose();
        mouth();
        facialHair();
        if (hair_.crown) {
            hairFront();
        }
        if (f_.glasses) {
            glasses();
        }
        return flatten(canvas_.downsampled(kPortraitScale), grey(0.0f));
    }

private:
    bool child() const { return f_.stage == LifeStage::Child; }
    bool woman() const { return f_.gender == Gender::Female; }
    float rx() const { return layout_.rx(); }
    float ry() const { return layout_.ry(); }
    float topY() const { return layout_.topY(); }
    float eyeY() const { return layout_.eyeY(); }
    float browY() const { return layout_.browY(); }
    float chinY() const { return layout_.chinY(); }
    float shoulderY() const { return layout_.shoulderY(); }
    float neckHalf() const { return layout_.neckHalf(); }
    float mouthY() const { return layout_.mouthY(); }
    float faceDistance(Vec2 p) const { return layout_.faceDistance(p); }

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

    // The natural colour with grey strands among it, the temples first.
    Colour hairColour(Vec2 p) const {
        const float g = f_.greyness;
        if (g <= 0.0f || g >= 1.0f) {
            return g <= 0.0f ? f_.hair : f_.greyHair;
        }
        const float strand = gradientNoise(p.x * 0.3f, p.y * 0.05f, f_.seed + 21u) +
                             0.5f * smoothstep(0.6f, 1.0f, std::abs(p.x - head_.x) / rx());
        const float spread = 1.2f * g * (1.0f - g);
        return mix(f_.hair, f_.greyHair, clamp01(g + spread * strand));
    }

    Colour hairLit(Vec2 p, const Vec3& n) const {
        const float d = lambert(n);
        const float strands = gradientNoise(p.x * 0.25f, p.y * 0.03f, f_.seed + 5u) * 0.12f +
                              gradientNoise(p.x * 0.6f, p.y * 0.06f, f_.seed + 6u) * 0.08f;
        const Colour base = hairColour(p);
        const Colour c = base * (0.45f + 0.7f * d + strands);
        // A sheen across the crown.
        const float sheen =
            std::pow(std::max(0.0f, dot(n, normalize({-0.3f, -0.7f, 0.6f}))), 12.0f);
        return c + grey(0.18f * sheen * (0.4f + luminance(base)));
    }

    Colour hairShade(Vec2 p, Vec2 centre, Vec2 radii) const {
        return hairLit(p, bulge(p, centre, radii));
    }

    // Hair on the head and hanging from it: round over the crown, turning
    // only slowly further down.
    Colour hangingHairShade(Vec2 p) const {
        const float u =
            std::clamp((p.x - hair_.capCentre.x) / std::max(hair_.capRadii.x, 1.0f), -1.0f, 1.0f);
        float v = (p.y - hair_.capCentre.y) / hair_.capRadii.y;
        if (v > 0.0f) {
            v *= 0.35f;
        }
        const float z = std::sqrt(std::max(0.05f, 1.0f - u * u - v * v));
        return hairLit(p, normalize({u, v, z}));
    }

    void hairBehind() {
        if (hair_.backBottom > 0.0f) {
            paintShape(
                canvas_, wholeCanvas(canvas_), [&](Vec2 p) { return layout_.hairOutline(p); },
                [&](Vec2 p) { return hangingHairShade(p) * 0.62f; });
        }
        if (f_.hairStyle == HairStyle::Bald) {
            // Seen from the front, a fringe around the back of the head shows
            // only beside the temples; the face covers the rest.
            const float from = eyeY() - 0.42f * ry();
            const float to = eyeY() + 0.16f * ry();
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    const float band = std::max(from - p.y, p.y - to) / 3.0f;
                    return std::max(sdEllipse(p, hair_.capCentre, hair_.capRadii) +
                                        gradientNoise(p.x * 0.3f, p.y * 0.3f, f_.seed + 19u),
                                    band);
                },
                [&](Vec2 p) { return hairShade(p, hair_.capCentre, hair_.capRadii); });
        }
        if (f_.hairStyle == HairStyle::Bun) {
            const Vec2 bun{head_.x + 4.0f, topY() + 2.0f};
            const float r = 0.34f * rx();
            paintShape(
                canvas_, around(bun, r + 4.0f, r + 4.0f),
                [&](Vec2 p) { return sdCircle(p, bun, r); },
                [&](Vec2 p) {
                    const float twist =
                        0.08f * std::sin(std::atan2(p.y - bun.y, p.x - bun.x) * 5.0f +
                                         length({p.x - bun.x, p.y - bun.y}) * 0.3f);
                    return hairShade(p, bun, {r, r}) * (1.0f + twist);
                });
        }
        if (f_.hairStyle == HairStyle::Pigtails) {
            for (float side : {-1.0f, 1.0f}) {
                const Vec2 c{head_.x + side * 1.18f * rx(), eyeY() - 0.05f * ry()};
                const Vec2 r{0.27f * rx(), 0.46f * ry()};
                const float turn = side * -0.35f;
                paintShape(
                    canvas_, around(c, r.y + 6.0f, r.y + 6.0f),
                    [&](Vec2 p) {
                        const Vec2 q = unrotated(p, c, turn);
                        // Narrow where it is tied, full further down.
                        const float pinch = 1.0f - 0.45f * smoothstep(0.0f, -r.y, q.y - c.y);
                        return sdEllipse({c.x + (q.x - c.x) / pinch, q.y}, c, r) +
                               layout_.curls(p, c);
                    },
                    [&](Vec2 p) {
                        return hairShade(p, c, {r.x * 1.3f, r.y * 1.1f});
                    });
                const Vec2 tie{c.x - side * 0.1f * rx(), c.y - r.y * 0.88f};
                paintShape(
                    canvas_, around(tie, 8.0f, 8.0f),
                    [&](Vec2 p) { return sdCircle(p, tie, 5.5f); },
                    [&](Vec2 p) {
                        return f_.clothes * (0.7f + 0.6f * lambert(bulge(p, tie, {6.0f, 6.0f})));
                    });
            }
        }
    }

    void hairFront() {
        const float neckGap = neckHalf() + 5.0f;
        const float gapTop = chinY() - 0.12f * ry();
        const auto distance = [&](Vec2 p) {
            const float bottom = p.y - hair_.sideBottom -
                                 std::max(0.0f, std::abs(p.x - head_.x) - rx() * 0.85f) * 0.4f;
            // Hanging hair parts around the neck.
            const float neck = std::max(std::abs(p.x - head_.x) - neckGap, gapTop - p.y);
            return std::max({layout_.hairOutline(p), -layout_.faceOpening(p), bottom, -neck});
        };
        paintShape(canvas_, wholeCanvas(canvas_), distance,
                   [&](Vec2 p) { return hangingHairShade(p); });
        if (f_.hairStyle == HairStyle::SidePart) {
            parting(head_.x - f_.partSide * 0.38f * rx(), -f_.partSide * 4.0f);
        } else if ((f_.hairStyle == HairStyle::Long || f_.hairStyle == HairStyle::Bob) &&
                   !f_.fringe) {
            parting(head_.x + 2.0f, 0.0f);
        }
        // A soft shadow of the hair on the forehead.
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                const float line = layout_.hairlineAt(p.x);
                return std::max({(p.y - line - 7.0f) / 4.0f, faceDistance(p), line - p.y});
            },
            [&](Vec2) { return f_.skin * 0.6f; }, 0.35f);
    }

    // A parting from the hairline at x back over the crown, leaning by `lean`.
    void parting(float x, float lean) {
        const std::vector<Vec2> line{{x, layout_.hairlineAt(x) - 1.0f},
                                     {x + lean, hair_.capCentre.y - hair_.capRadii.y + 14.0f}};
        paintShape(
            canvas_, strokeBox(line, 4.0f),
            [&](Vec2 p) {
                return std::max(sdStroke(p, line, 1.6f, 0.6f),
                                sdEllipse(p, hair_.capCentre, hair_.capRadii) + 4.0f);
            },
            [&](Vec2 p) { return mix(hairColour(p) * 0.5f, f_.skin * 0.8f, 0.4f); }, 0.8f);
    }

    void body() {
        // Shoulders falling away from the neck, cut off by the frame.
        const float top = shoulderY();
        const float width = f_.shoulderWidth;
        const Vec2 centre{150.0f, top + 150.0f};
        const Vec2 half{width, 150.0f};
        const auto shoulders = [&](Vec2 p) {
            // A rounded block whose top falls off towards the arms.
            const float dx = (p.x - 150.0f) / width;
            return sdRoundedBox({p.x, p.y - 38.0f * dx * dx}, centre, half, width * 0.63f);
        };
        paintShape(canvas_, wholeCanvas(canvas_), shoulders, [&](Vec2 p) {
            const Vec3 n = bulge(p, {150.0f, top + 120.0f}, {width * 1.27f, 200.0f}, 0.9f);
            const float weave =
                1.0f + 0.05f * gradientNoise(p.x * 0.35f, p.y * 0.35f, f_.seed + 9u);
            return f_.clothes * ((0.40f + 0.7f * lambert(n)) * weave);
        });
    }

    void collar() {
        const float neckBase = shoulderY() + 8.0f;
        switch (f_.clothing) {
        case Clothes::Jacket:
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
            break;
        case Clothes::Sweater:
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    return sdEllipse(p, {150.0f, neckBase - 8.0f}, {neckHalf() * 1.4f, 18.0f});
                },
                [&](Vec2 p) {
                    const float rib = 0.9f + 0.1f * std::sin(p.x * 1.2f);
                    return f_.clothes * (0.75f * rib);
                });
            break;
        case Clothes::Turtleneck:
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) {
                    return sdRoundedBox(p, {150.0f, neckBase - 20.0f}, {neckHalf() * 1.18f, 24.0f},
                                        14.0f);
                },
                [&](Vec2 p) {
                    const float fold = 0.9f + 0.1f * std::sin(p.y * 0.5f + std::sin(p.x * 0.05f));
                    const Vec3 n =
                        bulge(p, {150.0f, neckBase - 22.0f}, {neckHalf() * 1.36f, 60.0f});
                    return f_.clothes * ((0.45f + 0.6f * lambert(n)) * fold);
                });
            break;
        case Clothes::VNeck: {
            const float w = neckHalf() + 8.0f;
            const Vec2 left{150.0f - w, neckBase - 14.0f};
            const Vec2 right{150.0f + w, neckBase - 14.0f};
            const Vec2 point{150.0f, neckBase + 48.0f};
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) { return sdTriangle(p, left, right, point); },
                [&](Vec2 p) {
                    const Vec3 n = bulge(p, {150.0f, neckBase + 30.0f}, {w * 2.5f, 120.0f});
                    // In the shadow of the chin at the top.
                    const float shadow =
                        0.75f + 0.25f * smoothstep(neckBase - 14.0f, neckBase + 10.0f, p.y);
                    return skinLit(p, n, 0.9f * shadow);
                });
            for (float side : {-1.0f, 1.0f}) {
                const std::vector<Vec2> trim{{150.0f + side * w, neckBase - 14.0f}, point};
                paintShape(
                    canvas_, strokeBox(trim, 6.0f),
                    [&](Vec2 p) { return sdStroke(p, trim, 3.5f, 3.5f); },
                    [&](Vec2) { return f_.clothes * 0.7f; });
            }
            break;
        }
        }
    }

    void neck() {
        const float top = head_.y + 0.4f * ry();
        const float bottom = shoulderY() + 30.0f;
        const float half = neckHalf();
        paintShape(
            canvas_, wholeCanvas(canvas_),
            [&](Vec2 p) {
                // Wider where it meets the shoulders.
                const float flare = 6.0f * smoothstep(chinY(), shoulderY(), p.y);
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

    Vec2 earCentre(float side) const {
        return {head_.x + side * (rx() - 3.0f), eyeY() + 0.12f * ry()};
    }
    Vec2 earRadii() const {
        return {0.16f * rx(), (f_.stage == LifeStage::Old ? 0.27f : 0.25f) * ry()};
    }

    void ears() {
        for (float side : {-1.0f, 1.0f}) {
            const Vec2 c = earCentre(side);
            const Vec2 r = earRadii();
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

    void earrings() {
        const bool pearl = (f_.seed & 1u) != 0u;
        const Colour metal = pearl ? Colour{0.93f, 0.91f, 0.86f} : Colour{0.86f, 0.68f, 0.30f};
        for (float side : {-1.0f, 1.0f}) {
            const Vec2 lobe{earCentre(side).x + side * 2.0f,
                            earCentre(side).y + earRadii().y * 0.78f};
            paintShape(
                canvas_, around(lobe, 8.0f, 8.0f), [&](Vec2 p) { return sdCircle(p, lobe, 4.5f); },
                [&](Vec2 p) {
                    const Vec3 n = bulge(p, lobe, {4.5f, 4.5f});
                    const float glint = std::pow(lambert(n), 8.0f);
                    return metal * (0.55f + 0.5f * lambert(n)) + grey(0.35f * glint);
                });
        }
    }

    void face() {
        const float blush = child() ? 0.24f : (woman() ? 0.17f : 0.12f);
        paintShape(
            canvas_, wholeCanvas(canvas_), [&](Vec2 p) { return faceDistance(p); },
            [&](Vec2 p) {
                const Vec3 n = bulge(p, {head_.x, head_.y - 5.0f}, {rx() * 1.02f, ry() * 1.05f});
                Colour c = skinLit(p, n);
                // Colour in the cheeks.
                for (float side : {-1.0f, 1.0f}) {
                    const float dx = (p.x - (head_.x + side * rx() * 0.55f)) / (0.27f * rx());
                    const float dy = (p.y - (eyeY() + 0.36f * ry())) / (0.16f * ry());
                    c = mix(c, Colour{0.85f, 0.42f, 0.38f} * (luminance(f_.skin) + 0.2f),
                            blush * std::exp(-(dx * dx + dy * dy)));
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
                [&](Vec2) { return f_.skin * 0.6f; }, child() ? 0.2f : 0.35f);
        }
    }

    // Creases that deepen with the years.
    void lines() {
        const float w = f_.wrinkles;
        const Colour crease = f_.skin * 0.6f;
        const auto stroke = [&](const std::vector<Vec2>& points, float r0, float r1,
                                float opacity) {
            paintShape(
                canvas_, strokeBox(points, 4.0f),
                [&](Vec2 p) { return sdStroke(p, points, r0, r1); }, [&](Vec2) { return crease; },
                opacity);
        };
        for (float side : {-1.0f, 1.0f}) {
            // From the nose to the corners of the mouth.
            const float y = eyeY() + f_.noseLength;
            stroke(curve({head_.x + side * 13.0f, y - 2.0f}, {head_.x + side * 26.0f, y + 14.0f},
                         {head_.x + side * 22.0f, y + 30.0f}),
                   1.1f, 0.4f, 0.3f + 0.4f * w);
            if (w < 0.3f) {
                continue;
            }
            // Crow's feet at the outer corners of the eyes.
            const float eyeHalf = 0.165f * rx() * f_.eyeSize;
            const Vec2 corner{head_.x + side * (f_.eyeSpacing + eyeHalf + 4.0f), eyeY()};
            for (float fan : {-0.45f, 0.0f, 0.45f}) {
                stroke({corner,
                        {corner.x + side * 9.0f * std::cos(fan), corner.y + 9.0f * std::sin(fan)}},
                       0.7f, 0.3f, 0.45f * w);
            }
            // Bags under the eyes.
            const float ex = head_.x + side * f_.eyeSpacing;
            stroke(curve({ex - eyeHalf * 0.8f, eyeY() + 8.0f}, {ex, eyeY() + 15.0f},
                         {ex + eyeHalf * 0.8f, eyeY() + 8.0f}),
                   0.7f, 0.7f, 0.35f * w);
            if (w > 0.7f) {
                // Lines falling from the corners of the mouth.
                const float mx = head_.x + side * (f_.mouthWidth + 2.0f);
                stroke({{mx, mouthY() + 2.0f}, {mx + side * 2.0f, mouthY() + 14.0f}}, 0.8f, 0.3f,
                       0.4f * w);
            }
        }
        if (w < 0.15f) {
            return;
        }
        const int count = w > 0.6f ? 3 : 2;
        for (int i = 0; i < count; ++i) {
            const float y = head_.y - ry() * 0.5f + static_cast<float>(i) * 8.0f;
            stroke(curve({head_.x - 26.0f, y + 2.0f}, {head_.x, y - 3.0f},
                         {head_.x + 26.0f, y + 2.0f}),
                   0.5f, 0.5f, 0.2f + 0.35f * w);
        }
    }

    void eyes() {
        const float w = 0.165f * rx() * f_.eyeSize;
        const float h = 0.52f * w;
        const float lashes = woman() ? (child() ? 0.6f : 1.2f) : 0.0f;
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
            const float irisRadius = h * (child() ? 1.1f : 0.95f);
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
                    return sdStroke(p, lid, 1.3f, 1.3f) - lashes * outer;
                },
                [&](Vec2) {
                    return Colour{0.12f, 0.08f, 0.07f};
                });
            const auto crease =
                curve({c.x - w, c.y - 2.0f}, {c.x, c.y - h * 2.6f}, {c.x + w, c.y - 2.0f});
            paintShape(
                canvas_, around(c, w + 4.0f, h + 10.0f),
                [&](Vec2 p) { return sdStroke(p, crease, 0.9f, 0.6f); },
                [&](Vec2) { return f_.skin * 0.6f; }, child() ? 0.3f : 0.5f);
            const auto lower = curve({c.x - w + 2.0f, c.y + 2.0f}, {c.x, c.y + h * 1.6f},
                                     {c.x + w - 1.0f, c.y + 1.0f});
            paintShape(
                canvas_, around(c, w + 4.0f, h + 6.0f),
                [&](Vec2 p) { return sdStroke(p, lower, 0.7f, 0.7f); },
                [&](Vec2) { return f_.skin * 0.55f; }, 0.45f);
        }
    }

    Colour browColour(Vec2 p) const {
        const Colour hair = hairColour(p);
        return luminance(hair) > 0.5f ? hair * 0.6f : hair * 0.9f;
    }

    void brows() {
        for (float side : {-1.0f, 1.0f}) {
            const float inner = head_.x + side * (f_.eyeSpacing - 0.17f * rx());
            const float outer = head_.x + side * (f_.eyeSpacing + 0.22f * rx());
            const float y = browY();
            const auto brow = curve({inner, y}, {(inner + outer) * 0.5f, y - f_.browArch - 4.0f},
                                    {outer, y + 1.0f});
            paintShape(
                canvas_, strokeBox(brow, 14.0f),
                [&](Vec2 p) { return sdStroke(p, brow, f_.browWeight, f_.browWeight * 0.45f); },
                [&](Vec2 p) {
                    return browColour(p) *
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
            [&](Vec2) { return f_.skin * 0.62f; }, child() ? 0.2f : 0.35f);
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

    void mouth() {
        const float y = mouthY();
        const float w = f_.mouthWidth;
        const Colour lips =
            mix(f_.skin, Colour{0.68f, 0.24f, 0.26f}, woman() && !child() ? 0.62f : 0.4f);
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

    // The cheeks and chin below a line from the sideburns to above the mouth.
    float beardDistance(Vec2 p) const {
        const float d = faceDistance({p.x, p.y - 4.0f}) - 3.0f;
        const float u = (p.x - head_.x) / rx();
        const float edge = mouthY() - 0.06f * ry() - 0.62f * ry() * u * u;
        const float below = (edge - p.y) / 3.0f;
        const float mouthHole =
            -sdEllipse(p, {head_.x, mouthY() + 1.5f}, {f_.mouthWidth + 2.0f, 8.0f});
        return std::max({d, below, mouthHole});
    }

    void facialHair() {
        switch (f_.facialHair) {
        case FacialHair::None:
            return;
        case FacialHair::Stubble:
            paintShape(
                canvas_, wholeCanvas(canvas_),
                [&](Vec2 p) { return std::max(beardDistance(p), faceDistance(p) + 1.0f) / 3.0f; },
                [&](Vec2 p) {
                    const float grain = hashUnit(static_cast<std::int32_t>(p.x),
                                                 static_cast<std::int32_t>(p.y), f_.seed + 23u);
                    return mix(f_.skin * 0.7f, hairColour(p) * 0.8f, 0.4f + 0.4f * grain);
                },
                0.22f);
            return;
        case FacialHair::Beard:
            beard();
            moustache();
            return;
        case FacialHair::Moustache:
            moustache();
            return;
        }
    }

    void beard() {
        paintShape(
            canvas_, wholeCanvas(canvas_), [&](Vec2 p) { return beardDistance(p); },
            [&](Vec2 p) {
                const Vec3 n = bulge(p, {head_.x, head_.y + 20.0f}, {rx(), ry()});
                const float curls = gradientNoise(p.x * 0.45f, p.y * 0.3f, f_.seed + 11u) * 0.18f +
                                    gradientNoise(p.x * 1.1f, p.y * 0.7f, f_.seed + 14u) * 0.08f;
                return hairColour(p) * (0.55f + 0.55f * lambert(n) + curls);
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
                    return hairColour(p) *
                           (0.8f + 0.25f * gradientNoise(p.x * 0.6f, p.y * 0.2f, f_.seed + 12u));
                });
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

    const PortraitLook& f_;
    const PortraitLayout layout_;
    const PortraitLayout::Hair& hair_;
    Canvas canvas_;
    Vec2 head_;
};

} // namespace

Image paintPortrait(const PortraitLook& look) {
    return PortraitPainter(look).paint();
}

Image paintStandardPhoto() {
    Canvas canvas(kPortraitWidth * kPortraitScale, kPortraitHeight * kPortraitScale);
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
    return flatten(canvas.downsampled(kPortraitScale), grey(0.0f));
}

} // namespace vh::assets
