#include "app/board_widget.h"

#include "app/notice_overlay.h"
#include "app/pictures.h"
#include "app/player_panel_widget.h"
#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/pause_notice.h"
#include "board/wallpaper.h"
#include "match/game_manager.h"
#include "platform/program_folders.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace vh::app {
namespace {

// Room of a panel left of the board: from 160 to 10 pixels left of it.
constexpr int kPanelLeft = 160;
constexpr int kPanelRight = 10;
// The notice of a paused game stands under the board where there is room
// for it, else over the board's middle.
constexpr int kPauseNoticeRoom = 36;

} // namespace

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), handCursor_(boardCursor(CursorShape::Hand)),
      grabCursor_(boardCursor(CursorShape::Grab)) {
    setObjectName("board");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus); // Space or Enter rolls
    setAccessibleName("Backgammon board");
    setMinimumSize(kMinimumClientWidth, kMinimumAvailableHeight);
    for (int side = 0; side < 2; ++side) {
        auto* panel = new PlayerPanelWidget(this);
        panel->setObjectName(side == 0 ? "playerOnePanel" : "playerTwoPanel");
        panel->hide();
        connect(panel, &PlayerPanelWidget::cupPressed, this, [this, side] { pressDiceCup(side); });
        connect(panel, &PlayerPanelWidget::doubleOffered, this, [this] {
            if (game_ != nullptr) {
                game_->offerDouble();
                emit gameInput();
            }
        });
        panels_[static_cast<std::size_t>(side)] = panel;
    }
    notice_ = new NoticeOverlay(this);
    // While no game is shown, the two ways to one.
    newGameButton_ = new QPushButton("New Game", this);
    newGameButton_->setObjectName("newGameButton");
    connect(newGameButton_, &QPushButton::clicked, this,
            [this] { emit commandWanted(Command::NewGame); });
    openGameButton_ = new QPushButton("Open Game...", this);
    openGameButton_->setObjectName("openGameButton");
    connect(openGameButton_, &QPushButton::clicked, this,
            [this] { emit commandWanted(Command::OpenGame); });
}

BoardWidget::~BoardWidget() = default;

float BoardWidget::scale() const {
    return static_cast<float>(devicePixelRatioF());
}

QRect BoardWidget::boardRect() const {
    const Rect board = boardRectangle(width(), height());
    return {board.left, board.top, board.width(), board.height()};
}

Rect BoardWidget::boardPixels() const {
    const QRect logical = boardRect();
    const float s = scale();
    const auto pixels = [s](int value) { return static_cast<int>(std::lround(value * s)); };
    return {pixels(logical.left()), pixels(logical.top()), pixels(logical.right() + 1),
            pixels(logical.bottom() + 1)};
}

QRect BoardWidget::toLogical(const Rect& pixels) const {
    const double s = devicePixelRatioF();
    const int left = static_cast<int>(std::floor(pixels.left / s));
    const int top = static_cast<int>(std::floor(pixels.top / s));
    const int right = static_cast<int>(std::ceil(pixels.right / s));
    const int bottom = static_cast<int>(std::ceil(pixels.bottom / s));
    return {left, top, right - left, bottom - top};
}

std::unique_ptr<CheckerStage> BoardWidget::makeStage(BoardRecord& board) {
    auto view = std::make_unique<BoardView>(board, dataDirectory());
    view->attachWindow(&area_);
    view->onWindowChanged([this](const Rect& changed) { present(changed); });
    view->Layout(boardPixels());
    return view;
}

void BoardWidget::setGame(GameManager* game) {
    view_ = game != nullptr ? dynamic_cast<BoardView*>(&game->stage()) : nullptr;
    game_ = game;
    notice_->dismiss();
    showStartButtons();
    pauseShown_ = false;
    refresh();
    repaintAll();
}

void BoardWidget::setBackground(const GameSettings& settings) {
    background_ = settings;
    loadWallpaper(wallpaper_, settings, userThenDataDirectories());
    scaledWallpaper_ = CSurface();
    repaintAll();
}

void BoardWidget::relayout() {
    if (view_ != nullptr) {
        view_->Layout(boardPixels());
    }
    repaintAll();
}

void BoardWidget::repaintAll() {
    const float s = scale();
    const int pixelWidth = static_cast<int>(std::lround(width() * s));
    const int pixelHeight = static_cast<int>(std::lround(height() * s));
    if (area_.width() != pixelWidth || area_.height() != pixelHeight) {
        area_ = PixelImage(pixelWidth, pixelHeight);
        screen_ = QImage(pixelWidth, pixelHeight, QImage::Format_RGB32);
        screen_.setDevicePixelRatio(devicePixelRatioF());
    }
    const CSurface* wallpaper = &wallpaper_;
    if (s != 1.0f && wallpaper_.width() > 0 && background_.stretchWallpaper != 1) {
        // Tiles keep their size on the screen.
        const int tileWidth = static_cast<int>(std::lround(wallpaper_.width() * s));
        if (scaledWallpaper_.width() != tileWidth) {
            scaledWallpaper_ = wallpaper_.scaledTo(
                tileWidth, static_cast<int>(std::lround(wallpaper_.height() * s)));
        }
        wallpaper = &scaledWallpaper_;
    }
    paintBackground(area_, background_, *wallpaper);
    if (view_ != nullptr && game_ != nullptr && game_->state() != GameState::NoGame) {
        view_->Render();
    }
    if (pauseShown_) {
        drawPauseNotice(area_, pausePlace(), s);
    }
    present({0, 0, area_.width(), area_.height()});
}

void BoardWidget::present(const Rect& pixels) {
    const Rect area{std::max(pixels.left, 0), std::max(pixels.top, 0),
                    std::min(pixels.right, area_.width()), std::min(pixels.bottom, area_.height())};
    if (area.empty()) {
        return;
    }
    // The screen takes 32-bit pixels: converting only what changed keeps
    // every paint a plain copy.
    for (int y = area.top; y < area.bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(screen_.scanLine(y));
        for (int x = area.left; x < area.right; ++x) {
            const Rgb& pixel = area_.at(x, y);
            line[x] = qRgb(pixel.red, pixel.green, pixel.blue);
        }
    }
    update(toLogical(area));
}

void BoardWidget::refresh() {
    const bool paused = game_ != nullptr && game_->state() == GameState::Paused;
    if (paused != pauseShown_) {
        pauseShown_ = paused;
        repaintAll();
    }
    for (int side = 0; side < 2; ++side) {
        PlayerPanelWidget* panel = panels_[static_cast<std::size_t>(side)];
        if (game_ == nullptr || game_->player(side) == nullptr) {
            panel->hide();
            continue;
        }
        panel->setContent(game_->panelContent(side), game_->panelPhoto(side),
                          side == game_->currentSide() && game_->canOfferDouble());
        panel->show();
    }
    updateCursor();
    report_.update(*this);
}

void BoardWidget::setStartButtonsShown(bool shown) {
    startButtonsWanted_ = shown;
    showStartButtons();
}

void BoardWidget::showStartButtons() {
    const bool shown = startButtonsWanted_ && game_ == nullptr;
    for (QPushButton* button : {newGameButton_, openGameButton_}) {
        button->setVisible(shown);
        button->setEnabled(shown);
    }
}

Rect BoardWidget::pausePlace() const {
    const QRect board = boardRect();
    const int below = height() - board.bottom() - 1;
    if (below >= kPauseNoticeRoom) {
        return {board.left(), board.bottom() + 1, board.right() + 1, height()};
    }
    // Over the left half of the board, clear of the cube on the bar, the dice
    // on the panels and a notice of the game on the right half.
    return {board.left(), board.top(), board.left() + board.width() / 2, board.bottom() + 1};
}

void BoardWidget::layoutChildren() {
    const QRect board = boardRect();
    const int half = board.height() / 2;
    const int left = board.left() - kPanelLeft;
    const int panelWidth = kPanelLeft - kPanelRight;
    panels_[0]->setGeometry(left, board.top(), panelWidth, half);
    panels_[1]->setGeometry(left, board.top() + half, panelWidth, board.height() - half);
    const int right = width();
    const int bottom = height();
    openGameButton_->setGeometry(right - 140, bottom - 50, 130, 40);
    newGameButton_->setGeometry(right - 250, bottom - 50, 100, 40);
}

void BoardWidget::resizeEvent(QResizeEvent*) {
    layoutChildren();
    placeNotice();
    if (view_ != nullptr) {
        view_->Layout(boardPixels());
    }
    repaintAll();
}

void BoardWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ScreenChangeInternal) {
        relayout();
    }
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const double s = devicePixelRatioF();
    for (const QRect& rect : event->region()) {
        const QRectF source(rect.left() * s, rect.top() * s, rect.width() * s, rect.height() * s);
        painter.drawImage(QRectF(rect), screen_, source);
    }
}

void BoardWidget::route(MouseMessage message, const QPointF& position) {
    if (game_ == nullptr || view_ == nullptr) {
        return;
    }
    const Rect board = view_->rectangle();
    const double s = devicePixelRatioF();
    const int x = static_cast<int>(std::floor(position.x() * s)) - board.left;
    const int y = static_cast<int>(std::floor(position.y() * s)) - board.top;
    game_->routeMouse(message, x, y);
    updateCursor();
    emit gameInput();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (dismissNotice()) {
        return; // the click was for the notice
    }
    if (event->button() == Qt::LeftButton) {
        route(MouseMessage::LeftDown, event->position());
    }
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is a second button down.
    if (event->button() == Qt::LeftButton) {
        route(MouseMessage::LeftDown, event->position());
    }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        route(MouseMessage::LeftUp, event->position());
    }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    route(MouseMessage::Move, event->position());
}

void BoardWidget::updateCursor() {
    const BoardCursor wanted = game_ != nullptr ? game_->boardCursor() : BoardCursor::Arrow;
    const bool busy = game_ != nullptr && game_->isComputerThinking();
    if (wanted == cursor_ && busy == busyCursor_) {
        return;
    }
    cursor_ = wanted;
    busyCursor_ = busy;
    if (busy) {
        setCursor(Qt::BusyCursor);
    } else if (wanted == BoardCursor::Hand) {
        setCursor(handCursor_);
    } else if (wanted == BoardCursor::Grab) {
        setCursor(grabCursor_);
    } else {
        unsetCursor();
    }
}

void BoardWidget::showNotice(const Message& message) {
    notice_->showNotice(message, {}, 0);
    placeNotice();
}

void BoardWidget::hideNotice() {
    notice_->dismiss();
}

void BoardWidget::placeNotice() {
    if (notice_->isHidden()) {
        return;
    }
    // Over the right half of the board: the cube on the bar and the dice on
    // the panels stay in sight.
    const QRect board = boardRect();
    const QRect half(board.left() + board.width() / 2 + board.width() / 20, board.top(),
                     board.width() * 3 / 8, board.height());
    notice_->showNotice(notice_->message(), half.center(), half.width());
}

bool BoardWidget::dismissNotice() {
    if (notice_->isHidden()) {
        return false;
    }
    notice_->dismiss();
    if (game_ != nullptr) {
        game_->dismissNotice();
        emit gameInput();
    }
    return true;
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        game_ != nullptr) {
        // A notice on show goes first, as a click on the board takes it.
        if (!dismissNotice()) {
            pressDiceCup(game_->currentSide());
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void BoardWidget::pressDiceCup(int side) {
    dismissNotice();
    if (game_ != nullptr && game_->currentSide() == side && game_->pressDiceCup()) {
        emit gameInput();
    }
}

} // namespace vh::app
