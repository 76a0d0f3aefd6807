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

// The grain of one flat-sawn board: `along` runs with the grain and `across`
// over it, both in pixels; `seed` picks the board.
Colour woodGrain(float along, float across, std::uint32_t seed, const WoodTone& tone,
                 float ringSpacing = 9.0f);

// "Wood for Board Dark.bmp": boards running lengthwise, the frame of the board.
Image paintFrameWood(int width, int height);

constexpr int kFrameWoodWidth = 1600;
constexpr int kFrameWoodHeight = 1120; // 0.7 of the width, the board's proportion

} // namespace vh::assets
