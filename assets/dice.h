#pragma once

#include "assets/image.h"

namespace vh::assets {

// A die showing `face` (1-6) lying on the player panel, drawn at its own size:
// ivory with rounded edges and black pips sunk into it; the corners show the
// panel's blue.
Image paintDie(int face);

// The same die alone, with coverage, for placing it on other pictures.
Canvas paintLooseDie(int face);

constexpr int kDieSize = 50;

} // namespace vh::assets
