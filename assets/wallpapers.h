#pragma once

#include "assets/image.h"

namespace vh::assets {

// Backgrounds for the main window. The window tiles them by default, so each
// one repeats seamlessly at its edges.
Image paintFeltWallpaper();
Image paintSlateWallpaper();
Image paintParquetWallpaper();
Image paintLeatherWallpaper();

constexpr int kWallpaperSize = 512;

} // namespace vh::assets
