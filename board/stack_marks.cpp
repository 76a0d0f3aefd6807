#include "board/stack_marks.h"

#include "board/text_style.h"

#include <string>

namespace vh {
namespace {

int brightness(Rgb c) {
    return (299 * c.red + 587 * c.green + 114 * c.blue) / 1000;
}

std::uint8_t mixed(std::uint8_t from, std::uint8_t to, int percent) {
    return static_cast<std::uint8_t>(from + (to - from) * percent / 100);
}

Rgb mixed(Rgb from, Rgb to, int percent) {
    return {mixed(from.red, to.red, percent), mixed(from.green, to.green, percent),
            mixed(from.blue, to.blue, percent)};
}

} // namespace

void writeStackCount(PixelImage& image, const Rect& place, int count, Rgb under) {
    TextStyle style;
    style.height = place.height();
    style.bold = true;
    style.colour = brightness(under) < 128 ? kWhite : kBlack;
    style.format = kTextCentre | kTextVerticalCentre | kTextSingleLine;
    drawText(image, place, std::to_string(count), style);
}

Rgb seamColour(Rgb checker) {
    // Red checkers take a dark seam too; only nearly black ones a light one.
    return brightness(checker) < 64 ? mixed(checker, kWhite, 40) : mixed(checker, kBlack, 45);
}

} // namespace vh
