#pragma once

#include "board/pixel_image.h"

#include <QWidget>

namespace vh::app {

// The start-up picture: 640 x 480, centred on the screen, above every other
// window, with the edition and the version written over the logo.
class SplashWindow final : public QWidget {
    Q_OBJECT

public:
    SplashWindow();

    // Shows the picture with its sound (unless sounds are muted) and keeps it
    // up for `milliseconds`: paint events and timers are handled meanwhile,
    // the user's input waits until it has gone.
    void showFor(int milliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PixelImage picture_;
};

} // namespace vh::app
