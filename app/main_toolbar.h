#pragma once

#include <QToolBar>

class QAction;

namespace vh::app {

// The row of eight large buttons below the menu: a 32 x 30 picture over a
// one-word caption on a 52 x 52 button, with a normal, a hot (under the
// mouse) and a disabled look. Each button triggers the same action as its
// menu item and is enabled with it.
class MainToolBar final : public QToolBar {
    Q_OBJECT

public:
    explicit MainToolBar(QWidget* parent);

    // Adds the button of `action` with the picture at `pictureIndex` of the
    // strips, after a gap when asked.
    void addCommand(QAction* action, int pictureIndex, bool gapBefore);

private:
    std::array<QImage, 8> normal_;
    std::array<QImage, 8> hot_;
    std::array<QImage, 8> disabled_;
};

} // namespace vh::app
