#include "board/cube_face.h"

#include "board/board_theme.h"
#include "board/coverage_mask.h"
#include "board/text_style.h"

#include <algorithm>
#include <string>

namespace vh {

void writeCubeValue(PixelImage& image, const Rect& face, int value) {
    const int w = face.width();
    const int h = face.height();
    if (face.empty() || !image.contains(face.left, face.top) ||
        !image.contains(face.right - 1, face.bottom - 1)) {
        return;
    }
    // The faces print their number in the middle three fifths; above it, inside
    // the bevel, the face is bare.
    const Rgb bare = image.at(face.left + w / 2, face.top + h * 18 / 100);
    fillRect(image,
             {face.left + w * 15 / 100, face.top + h * 20 / 100, face.right - w * 15 / 100,
              face.bottom - h * 20 / 100},
             bare);

    const std::string text = std::to_string(value);
    TextStyle style;
    style.bold = true;
    style.colour = kCubeInk;
    style.format = kTextCentre | kTextVerticalCentre | kTextSingleLine;
    style.height = std::max(1, h * 6 / 10);
    const int room = w * 8 / 10;
    if (const int width = textWidth(text, style); width > room) {
        style.height = std::max(1, style.height * room / width);
    }
    drawText(image, face, text, style);
}

} // namespace vh
