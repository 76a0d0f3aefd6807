#include "app/pictures.h"

#include "assets/cursor_hot_spots.h"
#include "board/surface.h"
#include "platform/program_folders.h"

#include <QPixmap>
#include <QString>

namespace vh::app {
namespace {

static_assert(sizeof(Rgb) == 3, "pixels are packed 8-bit RGB");

QString programFile(const std::string& relative) {
    return QString::fromStdString(dataPath(relative).string());
}

constexpr int kToolbarPictureWidth = 32;

} // namespace

QImage wrapImage(const PixelImage& picture) {
    if (picture.empty()) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(),
                  picture.height(), static_cast<qsizetype>(picture.width()) * 3,
                  QImage::Format_RGB888);
}

QImage copyImage(const PixelImage& picture) {
    return wrapImage(picture).copy();
}

std::array<QImage, 8> toolbarPictures(const char* stripFile) {
    std::array<QImage, 8> pictures;
    CSurface strip;
    strip.Load(dataPath(std::string("Graphics/") + stripFile));
    const PixelImage& pixels = strip.picture();
    if (pixels.empty()) {
        return pictures;
    }
    const Rgb transparent = pixels.at(0, pixels.height() - 1);
    QImage image = copyImage(pixels).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (pixels.at(x, y) == transparent) {
                image.setPixel(x, y, 0);
            }
        }
    }
    const int count = std::min<int>(pixels.width() / kToolbarPictureWidth, 8);
    for (int i = 0; i < count; ++i) {
        pictures[static_cast<std::size_t>(i)] =
            image.copy(i * kToolbarPictureWidth, 0, kToolbarPictureWidth, pixels.height());
    }
    return pictures;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = programFile("Graphics/Icon " + std::to_string(size) + ".png");
        const QPixmap pixmap(file);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

QCursor boardCursor(CursorShape shape) {
    const bool hand = shape == CursorShape::Hand;
    const QPixmap pixmap(
        programFile(hand ? "Graphics/Cursor Hand.png" : "Graphics/Cursor Grab.png"));
    if (pixmap.isNull()) {
        return QCursor(hand ? Qt::OpenHandCursor : Qt::ClosedHandCursor);
    }
    const auto spot = hand ? assets::kHandCursorHotSpot : assets::kGrabCursorHotSpot;
    return QCursor(pixmap, spot.x, spot.y);
}

} // namespace vh::app
