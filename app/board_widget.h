#pragma once

#include "app/command_table.h"
#include "app/layout_report.h"
#include "board/geometry.h"
#include "board/pixel_image.h"
#include "board/surface.h"
#include "platform/message_box.h"
#include "players/player.h"
#include "settings/game_settings.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

class QPushButton;

namespace vh {
class BoardView;
class CheckerStage;
class GameManager;
struct BoardRecord;
} // namespace vh

namespace vh::app {

class NoticeOverlay;
class PlayerPanelWidget;

// The main window's area between the toolbar and the status line: the
// wallpaper, the board drawn by the game's board view, the two player panels
// left of it and the pause notice. Everything is drawn at the screen's
// physical resolution into one picture and blitted; only what changed is
// repainted. Mouse messages over the board go to the game in board
// coordinates.
class BoardWidget final : public QWidget {
    Q_OBJECT

public:
    explicit BoardWidget(QWidget* parent);
    ~BoardWidget() override;

    // The stage of a new game: a board view drawing into this widget.
    std::unique_ptr<CheckerStage> makeStage(BoardRecord& board);
    // The game shown, or none. Called with nullptr before a game goes away.
    void setGame(GameManager* game);
    GameManager* game() const { return game_; }
    // The board view of the game shown, or none.
    const BoardView* view() const { return view_; }
    // Reloads the wallpaper the options name and repaints everything.
    void setBackground(const GameSettings& settings);
    // Brings the panels, the cursor and the pause notice up to date with the game.
    void refresh();
    // Lays the board out again and repaints everything (the board's options changed).
    void relayout();
    // The "New Game" and "Open Game..." buttons, shown while no game is.
    void setStartButtonsShown(bool shown);
    // A notice of the game laid over the board until it fades or the board
    // is clicked; the click answers it.
    void showNotice(const Message& message);
    void hideNotice();
    const NoticeOverlay* notice() const { return notice_; }

    // Physical pixels per logical pixel.
    float scale() const;
    // The board's rectangle in logical and in physical pixels.
    QRect boardRect() const;
    Rect boardPixels() const;
    PlayerPanelWidget* panel(int side) const { return panels_[static_cast<std::size_t>(side)]; }

signals:
    // The user did something to the game: the game loop should look at once.
    void gameInput();
    // A button of the screen without a game asks for a command.
    void commandWanted(Command command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void route(MouseMessage message, const QPointF& position);
    void updateCursor();
    void repaintAll();
    // Shows a changed area of the picture (physical pixels) on the screen.
    void present(const Rect& pixels);
    void layoutChildren();
    void showStartButtons();
    Rect pausePlace() const;
    void pressDiceCup(int side);
    // Takes a notice on show away and lets the game go on; false when none is shown.
    bool dismissNotice();
    void placeNotice();
    QRect toLogical(const Rect& pixels) const;

    GameManager* game_ = nullptr;
    BoardView* view_ = nullptr; // the game's stage
    PixelImage area_;           // the whole widget in physical pixels
    QImage screen_;             // the same, as the screen takes it
    GameSettings background_;
    CSurface wallpaper_;
    CSurface scaledWallpaper_; // the wallpaper at the screen's scale
    bool pauseShown_ = false;
    BoardCursor cursor_ = BoardCursor::Arrow;
    bool busyCursor_ = false;
    std::array<PlayerPanelWidget*, 2> panels_{};
    NoticeOverlay* notice_ = nullptr;
    QPushButton* newGameButton_ = nullptr;
    QPushButton* openGameButton_ = nullptr;
    bool startButtonsWanted_ = false;
    QCursor handCursor_;
    QCursor grabCursor_;
    LayoutReport report_;
};

} // namespace vh::app
