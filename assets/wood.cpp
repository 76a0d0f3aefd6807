#include "assets/wood.h"

#include "assets/noise.h"

#include <cmath>
#include <vector>

namespace vh::assets {

WoodTone darkWood() {
    return {{0.40f, 0.215f, 0.125f}, {0.13f, 0.062f, 0.036f}};
}

SawCut sawCutAt(float along, std::uint32_t seed) {
    // The saw cut passes the log's heart at a distance that drifts slowly along
    // the board: rings then open into the familiar arches.
    const float s = static_cast<float>(seed & 0xFFFFu) * 0.37f;
    return {60.0f * fbm(along * 0.0007f + s, 0.5f, seed, 2) + 25.0f,
            45.0f + 35.0f * fbm(along * 0.001f, s, seed + 7u, 2)};
}

Colour woodGrain(float along, float across, std::uint32_t seed, const WoodTone& tone,
                 float ringSpacing) {
    return woodGrain(along, across, seed, tone, ringSpacing, sawCutAt(along, seed));
}

Colour woodGrain(float along, float across, std::uint32_t seed, const WoodTone& tone,
                 float ringSpacing, const SawCut& cut) {
    const float s = static_cast<float>(seed & 0xFFFFu) * 0.37f;
    const float dy = across - cut.heart;
    float radius = std::sqrt(dy * dy + cut.depth * cut.depth);
    radius += 6.0f * fbm(along * 0.004f, across * 0.025f, seed + 13u, 3);
    // Years of slow and fast growth: uneven ring widths.
    const float years = radius / ringSpacing;
    const float phase = years + 0.7f * gradientNoise(years * 0.21f, s, seed + 17u);
    const float ring = fract(phase);
    const float yearDarkness =
        0.75f + 0.25f * gradientNoise(std::floor(phase) * 0.61f, s, seed + 19u);
    // Early wood lightens through the season, late wood closes the ring darkly.
    const float lateWood = smoothstep(0.45f, 0.92f, ring) * (1.0f - smoothstep(0.94f, 1.0f, ring));
    Colour c = mix(tone.early, tone.late, lateWood * 0.62f * yearDarkness);
    // Fibres: long thin streaks with the grain, at two scales.
    const float fibre = gradientNoise(along * 0.008f, across * 0.55f, seed + 21u);
    const float fibreFine = gradientNoise(along * 0.02f, across * 1.7f, seed + 22u);
    // Open pores: short dark dashes.
    const float pore = gradientNoise(along * 0.07f, across * 1.3f, seed + 23u);
    const float poreDark = smoothstep(0.42f, 0.72f, pore) * 0.28f;
    // Broad changes of colour over the board, and a faint shimmer across the
    // grain where the fibres wave.
    const float cloud = fbm(along * 0.0012f, across * 0.005f, seed + 31u, 2);
    const float figure = gradientNoise(along * 0.035f + 0.6f * fibre, across * 0.004f, seed + 37u);
    const float k = (1.0f + 0.11f * fibre + 0.07f * fibreFine + 0.12f * cloud + 0.05f * figure) *
                    (1.0f - poreDark);
    return c * k;
}

Image paintFrameWood(int width, int height) {
    Image image(width, height);
    // Boards of unequal widths laid lengthwise, each cut from a different log.
    std::vector<int> seams{0};
    for (std::uint32_t i = 0; seams.back() < height; ++i) {
        seams.push_back(seams.back() + 150 +
                        static_cast<int>(hashUnit(static_cast<int>(i), 0, 5u) * 110.0f));
    }
    const WoodTone tone = darkWood();
    for (std::size_t board = 0; board + 1 < seams.size(); ++board) {
        const int top = seams[board];
        const int bottom = std::min(seams[board + 1], height);
        const auto seed = static_cast<std::uint32_t>(board * 7919u + 101u);
        const float tint = 0.92f + 0.16f * hashUnit(static_cast<int>(board), 1, 6u);
        const float shift = hashUnit(static_cast<int>(board), 2, 6u) * 3000.0f;
        std::vector<SawCut> cuts;
        for (int x = 0; x < width; ++x) {
            cuts.push_back(sawCutAt(static_cast<float>(x) + shift, seed));
        }
        for (int y = top; y < bottom; ++y) {
            const float across = static_cast<float>(y - top);
            for (int x = 0; x < width; ++x) {
                Colour c = woodGrain(static_cast<float>(x) + shift, across, seed, tone, 9.0f,
                                     cuts[static_cast<std::size_t>(x)]) *
                           tint;
                // The joint between two boards: a dark line with a lit edge below.
                if (board > 0) {
                    const float fromSeam = static_cast<float>(y - top);
                    c = c * (0.55f + 0.45f * smoothstep(0.0f, 2.2f, fromSeam));
                    c = c + grey(0.05f * (1.0f - smoothstep(2.0f, 4.0f, fromSeam)) *
                                 smoothstep(1.0f, 2.0f, fromSeam));
                }
                if (y == bottom - 1 && bottom < height) {
                    c = c * 0.7f;
                }
                image.at(x, y) = toRgb8(c);
            }
        }
    }
    return image;
}

} // namespace vh::assets
