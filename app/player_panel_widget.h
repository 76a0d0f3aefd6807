#pragma once

#include "board/pixel_image.h"
#include "board/player_panel.h"

#include <QWidget>
#include <filesystem>
#include <optional>

class QPushButton;

namespace vh::app {

// One player's panel left of the board: photo, name, pips to go, clock, and
// on the side to move the dice cup or the dice, drawn by the board's panel
// view at the screen's resolution, with the "Offer Double" button. Content
// that did not change is not drawn again; a clock tick repaints only the clock.
class PlayerPanelWidget final : public QWidget {
    Q_OBJECT

public:
    explicit PlayerPanelWidget(QWidget* parent);

    void setContent(const PanelContent& content, const std::filesystem::path& photo,
                    bool offerAvailable);
    const PanelContent& content() const { return content_; }
    // Where the dice cup lies, in the panel's physical pixels.
    Rect cupRect() const;

signals:
    // The dice cup was pressed on an active human panel whose dice are hidden.
    void cupPressed();
    void doubleOffered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void redraw();

    PlayerPanelView view_;
    PanelContent content_;
    std::optional<std::filesystem::path> photo_;
    PixelImage buffer_;
    QPushButton* offer_ = nullptr;
};

} // namespace vh::app
