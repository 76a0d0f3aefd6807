#include "app/player_panel_widget.h"

#include "app/pictures.h"
#include "platform/program_folders.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace vh::app {
namespace {

bool sameExceptClock(const PanelContent& a, const PanelContent& b) {
    PanelContent withClock = b;
    withClock.clockMs = a.clockMs;
    return a == withClock;
}

} // namespace

PlayerPanelWidget::PlayerPanelWidget(QWidget* parent)
    : QWidget(parent), view_(dataPath("Graphics")) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    offer_ = new QPushButton("Offer Double", this);
    offer_->setObjectName("offerDouble");
    offer_->hide();
    connect(offer_, &QPushButton::clicked, this, [this] {
        offer_->hide();
        emit doubleOffered();
    });
}

void PlayerPanelWidget::setContent(const PanelContent& content, const std::filesystem::path& photo,
                                   bool offerAvailable) {
    const bool showOffer = offerAvailable && content.active && !content.isComputer;
    offer_->setVisible(showOffer);
    offer_->setEnabled(showOffer);
    if (photo_ != photo) {
        photo_ = photo;
        view_.setPhoto(photo);
        content_ = content;
        redraw();
        update();
        return;
    }
    if (content == content_) {
        return;
    }
    const bool onlyClock = sameExceptClock(content, content_);
    content_ = content;
    if (!onlyClock) {
        redraw();
        update();
        return;
    }
    const float s = static_cast<float>(devicePixelRatioF());
    if (view_.refreshClock(buffer_, content_, s)) {
        const Rect clock = view_.clockTextRect(buffer_.width(), s);
        update(QRect(static_cast<int>(std::floor(clock.left / s)),
                     static_cast<int>(std::floor(clock.top / s)),
                     static_cast<int>(std::ceil(clock.width() / s)) + 1,
                     static_cast<int>(std::ceil(clock.height() / s)) + 1));
    }
}

Rect PlayerPanelWidget::cupRect() const {
    return view_.cupRect(static_cast<float>(devicePixelRatioF()));
}

void PlayerPanelWidget::redraw() {
    const double s = devicePixelRatioF();
    const int pixelWidth = static_cast<int>(std::lround(width() * s));
    const int pixelHeight = static_cast<int>(std::lround(height() * s));
    if (buffer_.width() != pixelWidth || buffer_.height() != pixelHeight) {
        buffer_ = PixelImage(pixelWidth, pixelHeight);
    }
    view_.draw(buffer_, content_, static_cast<float>(s));
}

void PlayerPanelWidget::resizeEvent(QResizeEvent*) {
    offer_->setGeometry(20, height() - 50, 110, 40);
    redraw();
}

bool PlayerPanelWidget::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The buffer holds physical pixels: on a screen of another scale it is
    // drawn again. Qt 6.4 tells of a screen change here only, not in
    // changeEvent().
    if (event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || event->type() == QEvent::DevicePixelRatioChange
#endif
    ) {
        redraw();
        update();
    }
    return handled;
}

void PlayerPanelWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QImage image = wrapImage(buffer_);
    const double s = devicePixelRatioF();
    for (const QRect& rect : event->region()) {
        const QRectF source(rect.left() * s, rect.top() * s, rect.width() * s, rect.height() * s);
        painter.drawImage(QRectF(rect), image, source);
    }
}

void PlayerPanelWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !content_.active || content_.isComputer ||
        content_.diceShown) {
        return;
    }
    const double s = devicePixelRatioF();
    const int x = static_cast<int>(std::floor(event->position().x() * s));
    const int y = static_cast<int>(std::floor(event->position().y() * s));
    if (view_.cupHit(x, y, static_cast<float>(s))) {
        emit cupPressed();
    }
}

} // namespace vh::app
