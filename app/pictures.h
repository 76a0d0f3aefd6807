#pragma once

#include "board/pixel_image.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <array>

namespace vh::app {

// A Qt image over the pixels of `picture`, without copying: valid while the
// picture lives and keeps its size.
QImage wrapImage(const PixelImage& picture);
// A Qt image with its own copy of the pixels.
QImage copyImage(const PixelImage& picture);

// The eight toolbar pictures of one look (normal, hot or disabled), cut from
// a strip whose bottom-left pixel gives the transparent colour. A strip that
// cannot be loaded gives empty pictures.
std::array<QImage, 8> toolbarPictures(const char* stripFile);

// The program's icon, in every size the generator paints.
QIcon programIcon();

enum class CursorShape { Hand, Grab };
// The hand over a checker that may be picked up, the grab while one is held.
QCursor boardCursor(CursorShape shape);

} // namespace vh::app
