#pragma once

#include "assets/image.h"
#include "assets/paint_math.h"

#include <cstdint>

namespace vh::assets {

// Colours of one kind of wood: light early wood and dark late wood of the rings.
struct WoodTone {
    Colour early;
    Colour late;
};

// Dark walnut-mahogany of the board frame.
WoodTone darkWood();

// Where the saw cut lies in the log at a place along a board: the heart's
// position across the board and its depth below the cut. Changes slowly.
struct SawCut {
    float heart;
    float depth;
};
SawCut sawCutAt(float along, std::uint32_t seed);

// The grain of one flat-sawn board: `along` runs with the grain and `across`
// over it, both in pixels; `seed` picks the board.
Colour woodGrain(float along, float across, std::uint32_t seed, const WoodTone& tone,
                 float ringSpacing = 9.0f);
// The same with the saw cut already known (it depends on `along` only).
Colour woodGrain(float along, float across, std::uint32_t seed, const WoodTone& tone,
                 float ringSpacing, const SawCut& cut);

// "Wood for Board Dark.bmp": boards running lengthwise, the frame of the board.
Image paintFrameWood(int width, int height);

constexpr int kFrameWoodWidth = 1600;
constexpr int kFrameWoodHeight = 1120; // 0.7 of the width, the board's proportion

} // namespace vh::assets
