#include "assets/pictogram_pen.h"

namespace vh::assets {

Colour pictogramTone(const Colour& colour, PictogramLook look, bool line) {
    switch (look) {
    case PictogramLook::Normal:
        return colour;
    case PictogramLook::Hot:
        return line ? colour : screen(colour * 1.06f, grey(0.24f));
    case PictogramLook::Disabled:
        return grey(line ? 0.45f + 0.20f * luminance(colour) : 0.52f + 0.42f * luminance(colour));
    }
    return colour;
}

} // namespace vh::assets
