#pragma once

#include "assets/image.h"

#include <array>

namespace vh::assets {

// The program icon: a die and a red checker in front of a board's corner with
// two of its points, on a rounded wooden tile. Painted with coverage at
// `size` x `size` pixels; small sizes drop fine detail and keep the die's pips
// apart so that they stay readable.
Canvas paintIcon(int size);

constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

} // namespace vh::assets
