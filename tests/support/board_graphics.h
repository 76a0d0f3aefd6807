#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"

#include <array>
#include <filesystem>

namespace vh::test {

// Small board pictures in plain, distinct colours, so that a test can tell
// from one pixel which picture lies where.
inline constexpr Rgb kFrameColour{120, 70, 40};
inline constexpr Rgb kRedWhiteMarble{230, 200, 200};
inline constexpr Rgb kLightBlueMarble{150, 200, 230};
inline constexpr Rgb kDarkBlueMarble{30, 40, 120};
// Checkers by stone colour code 1 white, 2 black, 3 red (index 0 unused).
inline constexpr std::array<Rgb, 4> kStoneColours{
    {{}, {235, 235, 225}, {40, 40, 45}, {180, 20, 30}}};
inline constexpr std::array<Rgb, 4> kVerticalStoneColours{
    {{}, {250, 250, 200}, {60, 50, 50}, {200, 40, 90}}};
inline constexpr int kStonePictureSize = 20; // a disc of radius 9 in it

Rgb cubeFaceColour(int index);

// How many pixels of `area` (the whole image if empty) satisfy `test(x, y, pixel)`.
template <typename Test>
int countPixels(const PixelImage& image, Rect area, Test test) {
    if (area.width() <= 0) {
        area = {0, 0, image.width(), image.height()};
    }
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += test(x, y, image.at(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Writes every picture of the board (frame, three marbles, the checker and
// borne-off pictures with masks, Double0-6) under `programDirectory`/Graphics.
void writeBoardGraphics(const std::filesystem::path& programDirectory);

} // namespace vh::test
