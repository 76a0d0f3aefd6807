#pragma once

#include "assets/image.h"

#include <cstddef>
#include <vector>

namespace vh::assets {

// The canvas as a PNG file with 8-bit red, green, blue and straight (not
// premultiplied) alpha; fully transparent pixels are stored as black.
std::vector<std::byte> encodePngWithAlpha(const Canvas& canvas);

} // namespace vh::assets
