#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"

#include <string>
#include <string_view>
#include <vector>

namespace vh {

// Alignment flags of a text in its rectangle.
enum TextFormat : unsigned {
    kTextLeft = 0,
    kTextCentre = 1,
    kTextRight = 2,
    kTextTop = 0,
    kTextVerticalCentre = 4, // single-line texts only
    kTextBottom = 8,         // single-line texts only
    kTextSingleLine = 16,    // no wrapping; line breaks are drawn as spaces
};

// How a text is drawn: font height in pixels (positive: the whole cell,
// ascent plus descent; negative: the em size), weight, underline, face name,
// colour and alignment. Every face is drawn in Liberation Sans, which has
// Arial's letter widths.
struct TextStyle {
    int height = 14;
    bool bold = false;
    bool underline = false;
    std::string faceName = "Arial";
    Rgb colour = kBlack;
    unsigned format = kTextLeft;
};

// Draws a UTF-8 text into a rectangle: anti-aliased, in the style's colour
// over what is there, aligned by the style's format, wrapped at spaces to
// the rectangle's width (a word longer than a line stays whole) and cut off
// at the rectangle's edges. Line breaks ("\n") start new lines.
void drawText(PixelImage& context, const Rect& rect, std::string_view text, const TextStyle& style);

// The lines the text is drawn in for a rectangle `width` pixels wide.
std::vector<std::string> wrapText(std::string_view text, const TextStyle& style, int width);
// The width of one line of text in pixels (0 without a font).
int textWidth(std::string_view line, const TextStyle& style);
// The height of one line in pixels.
int lineHeight(const TextStyle& style);

} // namespace vh
