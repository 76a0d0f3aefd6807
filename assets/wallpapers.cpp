#include "assets/wallpapers.h"

#include "assets/noise.h"
#include "assets/paint_math.h"
#include "assets/wood.h"

#include <cmath>

namespace vh::assets {

namespace {

constexpr int kSize = kWallpaperSize;

template <typename Shade>
Image paintTile(Shade shade) {
    Image image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            image.at(x, y) = toRgb8(shade(static_cast<float>(x), static_cast<float>(y)));
        }
    }
    return image;
}

// Noise repeating every kSize pixels, with `cell` pixels per lattice cell of
// the first octave (kSize must be a multiple of it).
float tileFbm(float x, float y, int cell, std::uint32_t seed, int octaves, float gain = 0.5f) {
    const float c = static_cast<float>(cell);
    return periodicFbm(x / c, y / c, kSize / cell, seed, octaves, gain);
}

float tileNoise(float x, float y, int cellX, int cellY, std::uint32_t seed) {
    return periodicNoise(x / static_cast<float>(cellX), y / static_cast<float>(cellY),
                         kSize / cellX, kSize / cellY, seed);
}

} // namespace

Image paintFeltWallpaper() {
    const Colour baize{0.09f, 0.33f, 0.19f};
    return paintTile([&](float x, float y) {
        // Matted fibres: fine noise in two slanting directions, broad mottling.
        const float fibres =
            tileNoise(x, y, 2, 8, 801u) * 0.5f + tileNoise(x, y, 8, 2, 802u) * 0.5f;
        const float fuzz = tileFbm(x, y, 4, 803u, 2);
        const float mottle = tileFbm(x, y, 128, 804u, 3);
        const float k = 1.0f + 0.07f * fibres + 0.06f * fuzz + 0.09f * mottle;
        return baize * k;
    });
}

Image paintSlateWallpaper() {
    const Colour dark{0.14f, 0.16f, 0.19f};
    const Colour light{0.31f, 0.34f, 0.38f};
    return paintTile([&](float x, float y) {
        // Split stone: broad uneven planes, faint layering across, and the
        // lighter edges of thin flakes.
        const float planes = tileFbm(x, y, 128, 813u, 5, 0.55f);
        const float layers = tileNoise(x + 24.0f * tileFbm(x, y, 128, 811u, 2), y, 256, 32, 812u);
        const float flakes = smoothstep(0.35f, 0.6f, tileFbm(x, y, 64, 817u, 3));
        const float grit = tileNoise(x, y, 2, 2, 814u);
        Colour c =
            mix(dark, light, clamp01(0.42f + 0.4f * planes + 0.12f * layers + 0.2f * flakes));
        // Faint rust and green in the stone.
        c = c + Colour{0.025f, 0.005f, -0.01f} * tileFbm(x, y, 128, 815u, 2) +
            Colour{-0.01f, 0.015f, 0.0f} * tileFbm(x, y, 64, 816u, 2);
        return c * (1.0f + 0.05f * grit);
    });
}

Image paintParquetWallpaper() {
    // Basket weave: squares of three strips, turned a quarter in turn.
    constexpr int square = 128;
    constexpr int strips = 4;
    constexpr int strip = square / strips;
    const WoodTone oak{{0.74f, 0.52f, 0.30f}, {0.50f, 0.31f, 0.16f}};
    return paintTile([&](float x, float y) {
        const int ix = static_cast<int>(x);
        const int iy = static_cast<int>(y);
        const int sx = ix / square;
        const int sy = iy / square;
        const bool horizontal = (sx + sy) % 2 == 0;
        const int localX = ix % square;
        const int localY = iy % square;
        const int stripIndex = horizontal ? localY / strip : localX / strip;
        const float along = static_cast<float>(horizontal ? localX : localY);
        const float across = static_cast<float>((horizontal ? localY : localX) % strip);
        const auto seed =
            static_cast<std::uint32_t>((sx * 31 + sy * 17 + stripIndex * 7) * 2654435761u);
        const float tint = 0.88f + 0.2f * hashUnit(sx * 4 + stripIndex, sy, 821u);
        Colour c =
            woodGrain(along + static_cast<float>(seed % 997u), across + 30.0f, seed, oak, 6.0f) *
            tint;
        // Joints: a dark gap and a soft bevel on each strip.
        const float edgeAcross = std::min(across, static_cast<float>(strip - 1) - across);
        const float edgeAlong = std::min(along, static_cast<float>(square - 1) - along);
        const float edge = std::min(edgeAcross, edgeAlong);
        c = c * (0.55f + 0.45f * smoothstep(0.0f, 2.5f, edge));
        // A little wear and polish over the whole floor.
        return c * (1.0f + 0.06f * tileFbm(x, y, 128, 822u, 2));
    });
}

Image paintLeatherWallpaper() {
    const Colour hide{0.30f, 0.10f, 0.08f};
    return paintTile([&](float x, float y) {
        // Pebbled grain: raised cells with creases between them, lit from the
        // upper left, and broad variation in the dye.
        const CellDistances grain = cellNoise(x / 8.0f, y / 8.0f, 831u, kSize / 8);
        const float crease = smoothstep(0.0f, 0.2f, grain.second - grain.nearest);
        const float dome = 1.0f - grain.nearest * 0.5f;
        const float dye = tileFbm(x, y, 128, 832u, 3);
        const float fine = tileNoise(x, y, 2, 2, 833u);
        const float k = (0.7f + 0.3f * crease) * (0.9f + 0.15f * dome) * (1.0f + 0.12f * dye) *
                        (1.0f + 0.04f * fine);
        return hide * k;
    });
}

} // namespace vh::assets
