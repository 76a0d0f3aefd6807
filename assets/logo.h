#pragma once

#include "assets/font.h"
#include "assets/image.h"

namespace vh::assets {

// "Popup Logo.bmp", the start-up picture: the title in gold over a board set
// up for play on a dark wooden table. The program writes its edition and
// version over the dark areas below the title and in the lower left corner.
Image paintPopupLogo(const Font& titleFont);

constexpr int kLogoWidth = 640;
constexpr int kLogoHeight = 480;

} // namespace vh::assets
