#include "app/splash_window.h"

#include "app/pictures.h"
#include "board/surface.h"
#include "board/text_style.h"
#include "platform/program_folders.h"
#include "platform/sound.h"
#include "platform/version.h"
#include "settings/settings_file.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace vh::app {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A text in Arial 16 with a black shadow two pixels right and down.
void drawShadowedText(PixelImage& picture, const Rect& rect, const std::string& text, Rgb colour) {
    TextStyle style;
    style.height = 16;
    style.colour = kBlack;
    drawText(picture, {rect.left + 2, rect.top + 2, rect.right + 2, rect.bottom + 2}, text, style);
    style.colour = colour;
    drawText(picture, rect, text, style);
}

} // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(kWidth, kHeight) {
    setWindowTitle("Varnholt Backgammon");
    setFixedSize(kWidth, kHeight);
    CSurface logo;
    logo.Load(dataPath("Graphics/Popup Logo.bmp"));
    logo.Draw(picture_, 0, 0);
    drawShadowedText(picture_, {290, 78, 400, 110}, "2004 Edition", {255, 255, 0});
    drawShadowedText(picture_, {10, 450, 400, 475}, "Version " + std::string(programVersion()),
                     kWhite);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        move(available.center() - QPoint(kWidth / 2, kHeight / 2));
    }
}

void SplashWindow::showFor(int milliseconds) {
    GameSettings settings;
    loadSettings(settings);
    show();
    raise();
    if (settings.muteSounds == 0) {
        soundPlayer().play(dataPath("Sounds/Startup.wav"));
    }
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    close();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), wrapImage(picture_));
}

} // namespace vh::app
