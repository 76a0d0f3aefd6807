#pragma once

#include "assets/image.h"

namespace vh::assets {

enum class StoneColour { White, Black, Red };

// A checker seen from above: round, turned rim, a groove, a soft gloss.
// Square picture with mask; the board stretches it to its checker size.
Sprite paintStone(StoneColour colour);

// A checker seen edge-on, as it lies in the borne-off tray (about 3.5 times
// as wide as it is high).
Sprite paintVerticalStone(StoneColour colour);

constexpr int kStoneSize = 128;
constexpr int kVerticalStoneWidth = 128;
constexpr int kVerticalStoneHeight = 36;

} // namespace vh::assets
