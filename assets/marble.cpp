#include "assets/marble.h"

#include "assets/noise.h"

#include <cmath>
#include <vector>

namespace vh::assets {

namespace {

struct MarbleStyle {
    Colour groundDark;
    Colour groundLight;
    Colour vein;     // the main veins and the web of cracks
    Colour veinEdge; // where a vein bleeds into the ground
    Colour darkVein; // a few deep veins
    Colour fleck;    // sparse crystals
    float mainAmount;
    float crackAmount;
    float darkAmount;
    float fleckAmount;
    float cellTint;   // how much the fragments between the cracks differ in shade
    float edgeAmount; // the soft bleed of the main veins into the ground
    float edgeWidth;
    float featureSize; // pixels per unit of the first noise octave
    std::uint32_t seed;
};

MarbleStyle styleOf(MarbleKind kind) {
    switch (kind) {
    case MarbleKind::RedAndWhite: // deep red broken by a web of white veins
        return {{0.36f, 0.06f, 0.06f},
                {0.60f, 0.15f, 0.12f},
                {0.93f, 0.89f, 0.85f},
                {0.78f, 0.42f, 0.38f},
                {0.17f, 0.03f, 0.03f},
                {0.96f, 0.92f, 0.88f},
                0.8f,
                0.95f,
                0.3f,
                0.12f,
                0.35f,
                0.25f,
                3.0f,
                420.0f,
                401u};
    case MarbleKind::LightBlue: // pale blue clouded darker, with white veins
        return {{0.47f, 0.61f, 0.77f},
                {0.80f, 0.87f, 0.94f},
                {0.96f, 0.97f, 1.00f},
                {0.86f, 0.91f, 0.97f},
                {0.30f, 0.42f, 0.58f},
                {0.98f, 0.99f, 1.00f},
                0.85f,
                0.55f,
                0.35f,
                0.15f,
                0.10f,
                0.35f,
                5.0f,
                440.0f,
                402u};
    case MarbleKind::DarkBlue: // deep blue-violet with pale veins and golden flecks
        return {{0.08f, 0.06f, 0.25f},
                {0.24f, 0.18f, 0.50f},
                {0.84f, 0.80f, 0.96f},
                {0.45f, 0.40f, 0.72f},
                {0.03f, 0.02f, 0.10f},
                {0.92f, 0.76f, 0.38f},
                0.75f,
                0.6f,
                0.15f,
                0.7f,
                0.18f,
                0.3f,
                3.0f,
                400.0f,
                403u};
    }
    return {};
}

// A smooth two-component field evaluated on a coarse grid and interpolated:
// the domain warps are low in frequency, so this saves most of the work.
class CoarseField {
public:
    template <typename F>
    CoarseField(int width, int height, int step, F f)
        : step_(step), columns_(width / step + 2), rows_(height / step + 2),
          values_(static_cast<std::size_t>(columns_ * rows_)) {
        for (int j = 0; j < rows_; ++j) {
            for (int i = 0; i < columns_; ++i) {
                values_[static_cast<std::size_t>(j * columns_ + i)] =
                    f(static_cast<float>(i * step_), static_cast<float>(j * step_));
            }
        }
    }

    Vec2 at(float x, float y) const {
        const float gx = x / static_cast<float>(step_);
        const float gy = y / static_cast<float>(step_);
        const int i = std::min(static_cast<int>(gx), columns_ - 2);
        const int j = std::min(static_cast<int>(gy), rows_ - 2);
        const float tx = gx - static_cast<float>(i);
        const float ty = gy - static_cast<float>(j);
        const Vec2& a = value(i, j);
        const Vec2& b = value(i + 1, j);
        const Vec2& c = value(i, j + 1);
        const Vec2& d = value(i + 1, j + 1);
        return {mix(mix(a.x, b.x, tx), mix(c.x, d.x, tx), ty),
                mix(mix(a.y, b.y, tx), mix(c.y, d.y, tx), ty)};
    }

private:
    const Vec2& value(int i, int j) const {
        return values_[static_cast<std::size_t>(j * columns_ + i)];
    }

    int step_;
    int columns_;
    int rows_;
    std::vector<Vec2> values_;
};

// The profile of a vein across its width: a flat core with soft but narrow
// edges; `distance` and `width` in pixels.
float veinProfile(float distance, float width) {
    const float t = distance / width;
    if (t > 2.5f) {
        return 0.0f; // exp(-39): nothing left to see
    }
    return std::exp(-t * t * t * t);
}

// A field's value and slope (per pixel) at a pixel: the distance to the
// field's level v0 is |value - v0| / slope.
struct FieldSample {
    float value;
    float slope;

    float distanceTo(float level) const { return std::abs(value - level) / slope; }
};

FieldSample sampleField(const std::vector<float>& field, int width, int height, int x, int y) {
    const auto at = [&](int i, int j) {
        i = std::clamp(i, 0, width - 1);
        j = std::clamp(j, 0, height - 1);
        return field[static_cast<std::size_t>(j * width + i)];
    };
    const float gx = 0.5f * (at(x + 1, y) - at(x - 1, y));
    const float gy = 0.5f * (at(x, y + 1) - at(x, y - 1));
    return {at(x, y), std::max(std::sqrt(gx * gx + gy * gy), 1e-5f)};
}

} // namespace

Image paintMarble(MarbleKind kind, int width, int height) {
    const MarbleStyle st = styleOf(kind);
    const std::uint32_t s = st.seed;
    const float unit = 1.0f / st.featureSize;
    // Veins run mostly along one slanting direction, as in a cut block.
    const float angle = 0.62f + 0.3f * hashUnit(0, 0, s);
    const float ca = std::cos(angle);
    const float sa = std::sin(angle);
    const CoarseField warp(width, height, 4, [&](float x, float y) {
        const float px = x * unit;
        const float py = y * unit;
        const Vec2 q{fbm(px, py, s, 4), fbm(px + 5.2f, py + 1.3f, s + 1u, 4)};
        return Vec2{fbm(px + 1.2f * q.x + 1.7f, py + 1.2f * q.y + 9.2f, s + 2u, 3),
                    fbm(px + 1.2f * q.x + 8.3f, py + 1.2f * q.y + 2.8f, s + 3u, 3)};
    });
    // How the main veins fade and part along their course, and where crystals
    // gather.
    const CoarseField course(width, height, 8, [&](float x, float y) {
        const float px = x * unit;
        const float py = y * unit;
        return Vec2{fbm(px * 3.0f, py * 3.0f, s + 17u, 2),
                    gradientNoise(px * 2.0f, py * 2.0f, s + 18u)};
    });
    const CoarseField glints(width, height, 8, [&](float x, float y) {
        return Vec2{fbm(x * unit * 4.0f, y * unit * 4.0f, s + 13u, 2), 0.0f};
    });
    // The wobble of the crack lines.
    const CoarseField jitter(width, height, 4, [&](float x, float y) {
        const float px = x * unit;
        const float py = y * unit;
        return Vec2{fbm(px * 12.0f, py * 12.0f, s + 15u, 2),
                    fbm(px * 12.0f + 3.0f, py * 12.0f, s + 16u, 2)};
    });
    // The clouded ground.
    const CoarseField ground(width, height, 2, [&](float x, float y) {
        const Vec2 r = warp.at(x, y);
        const float px = x * unit;
        const float py = y * unit;
        return Vec2{fbm(px * 1.3f + 0.35f * r.x, py * 1.3f + 0.35f * r.y, s + 4u, 5, 0.55f), 0.0f};
    });
    // Where veins appear at all and how strong: slow fields, also coarse.
    const CoarseField presence(width, height, 8, [&](float x, float y) {
        const float px = x * unit;
        const float py = y * unit;
        return Vec2{fbm(px * 0.8f, py * 0.8f, s + 7u, 3),
                    fbm(px * 0.9f + 4.0f, py * 0.9f, s + 11u, 3)};
    });
    // Classic marble bands: a sine across the vein direction, thrown about by
    // turbulence (a sum of absolute noise octaves). The broad octaves and the
    // deep veins' field are smooth enough for the coarse grid.
    const auto turbulenceOctaves = [&](float px, float py, int from, int to) {
        float sum = 0.0f;
        for (int o = from; o < to; ++o) {
            const float f = static_cast<float>(1 << o) * 1.2f;
            sum +=
                std::abs(gradientNoise(px * f, py * f, s + 30u + static_cast<std::uint32_t>(o))) /
                static_cast<float>(1 << o);
        }
        return sum;
    };
    const CoarseField broad(width, height, 2, [&](float x, float y) {
        const Vec2 r = warp.at(x, y);
        const float wx = x * unit + 0.35f * r.x;
        const float wy = y * unit + 0.35f * r.y;
        const float along = wx * ca + wy * sa;
        const float across = -wx * sa + wy * ca;
        return Vec2{turbulenceOctaves(x * unit, y * unit, 0, 3),
                    fbm(along * 0.7f + 3.1f, across * 2.0f - 0.6f * along, s + 8u, 3, 0.5f)};
    });
    // First pass: the vein fields, whose slopes give each vein an even width.
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<float> mainField(count);
    std::vector<float> deepField(count);
    std::vector<float> crackField(count);
    std::vector<float> cellShade(count);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const Vec2 r = warp.at(fx, fy);
            const float px = fx * unit;
            const float py = fy * unit;
            const float wx = px + 0.35f * r.x;
            const float wy = py + 0.35f * r.y;
            const float across = -wx * sa + wy * ca;
            const std::size_t i = static_cast<std::size_t>(y * width + x);
            const Vec2 low = broad.at(fx, fy);
            const float turbulence = low.x + turbulenceOctaves(px, py, 3, 5);
            mainField[i] = std::sin(across * 9.0f + 2.6f * turbulence + 1.5f * r.x);
            deepField[i] = low.y;
            // The fragments: nearly straight-sided cells with slightly wavy edges.
            const Vec2 wobble = jitter.at(fx, fy);
            const float cx = px * 3.0f + 0.06f * r.x + 0.07f * wobble.x;
            const float cy = py * 3.0f + 0.06f * r.y + 0.07f * wobble.y;
            const CellDistances cells = cellNoise(cx, cy, s + 10u);
            crackField[i] = cells.second - cells.nearest;
            cellShade[i] = static_cast<float>(cells.cellId >> 8) * (1.0f / 16777216.0f) - 0.5f;
        }
    }
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            const Vec2 where = presence.at(fx, fy);
            // Mottled ground with a fine crystalline grain.
            const float cloud = ground.at(fx, fy).x;
            const float shade = cellShade[static_cast<std::size_t>(y * width + x)] * st.cellTint;
            Colour c =
                mix(st.groundDark, st.groundLight, clamp01(smoothstep(-1.0f, 1.0f, cloud) + shade));
            const float grain = gradientNoise(fx * 0.5f, fy * 0.5f, s + 5u);
            c = c * (1.0f + 0.035f * grain);
            // Main veins: bundles of a few thin strands that part and merge,
            // their width and strength changing along their course. Where the
            // field turns (low slope) a strand would close into a small ring:
            // those parts fade out.
            const float ragged = 1.0f + 0.3f * gradientNoise(fx * 0.06f, fy * 0.06f, s + 14u);
            const float mainWidth = (0.8f + 2.6f * smoothstep(-0.4f, 0.8f, where.y)) * ragged;
            const Vec2 courseAt = course.at(fx, fy);
            const float fade = smoothstep(-0.45f, 0.35f, courseAt.x);
            const FieldSample mainSample = sampleField(mainField, width, height, x, y);
            const float steady = smoothstep(2.5f, 6.0f, mainSample.slope * st.featureSize);
            const float mainStrength = st.mainAmount *
                                       (0.25f + 0.75f * smoothstep(-0.35f, 0.45f, where.x)) *
                                       (0.3f + 0.7f * fade) * steady;
            const float spread = 0.035f * (0.5f + 0.5f * courseAt.y);
            const float mainVein =
                std::max(
                    {veinProfile(mainSample.distanceTo(0.0f), mainWidth),
                     0.55f * veinProfile(mainSample.distanceTo(spread), mainWidth * 0.5f),
                     0.4f * veinProfile(mainSample.distanceTo(-0.8f * spread), mainWidth * 0.4f)}) *
                mainStrength;
            const float mainEdge =
                veinProfile(mainSample.distanceTo(0.0f), mainWidth * st.edgeWidth + 4.0f) *
                mainStrength * st.edgeAmount;
            // A web of thin cracks between irregular cells, healed with the
            // vein mineral; dense in places, absent in others.
            const float crackStrength =
                st.crackAmount * smoothstep(-0.5f, 0.3f, where.y + 0.4f * where.x);
            const float crackDistance =
                sampleField(crackField, width, height, x, y).distanceTo(0.0f);
            const float crackWidth = 0.7f + 1.2f * hashUnit(x / 97, y / 89, s) * ragged;
            const float crack = veinProfile(crackDistance, crackWidth) * crackStrength;
            const float crackEdge =
                veinProfile(crackDistance, crackWidth * 3.0f + 2.0f) * crackStrength * 0.25f;
            // A few deep veins, thin and dark.
            const float deepDistance = sampleField(deepField, width, height, x, y).distanceTo(0.0f);
            const float deepVein = veinProfile(deepDistance, 1.2f * ragged) * st.darkAmount *
                                   smoothstep(0.0f, 0.6f, -where.x);
            c = mix(c, st.darkVein, deepVein);
            c = mix(c, st.veinEdge, clamp01(std::max(mainEdge, crackEdge)));
            c = mix(c, st.vein, clamp01(std::max(mainVein, crack)));
            // Sparse glints of crystal.
            const float glint =
                gradientNoise(fx * 0.3f, fy * 0.3f, s + 12u) + 0.5f * glints.at(fx, fy).x;
            c = mix(c, st.fleck, smoothstep(0.95f, 1.15f, glint) * st.fleckAmount);
            image.at(x, y) = toRgb8(c);
        }
    }
    return image;
}

} // namespace vh::assets
