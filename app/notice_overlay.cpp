#include "app/notice_overlay.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QPropertyAnimation>

namespace vh::app {
namespace {

constexpr int kPadding = 14;
constexpr int kCaptionGap = 6;
constexpr int kCornerRadius = 10;

QFont captionFont(const QFont& base) {
    QFont font = base;
    font.setBold(true);
    font.setPointSizeF(base.pointSizeF() * 1.25);
    return font;
}

} // namespace

NoticeOverlay::NoticeOverlay(QWidget* parent) : QWidget(parent) {
    setObjectName("notice");
    // A click goes to the board, which takes the notice away.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    opacity_ = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(opacity_);
    fade_ = new QPropertyAnimation(opacity_, "opacity", this);
    fade_->setDuration(kFadeMs);
    fade_->setStartValue(1.0);
    fade_->setEndValue(0.0);
    connect(fade_, &QPropertyAnimation::finished, this, &NoticeOverlay::dismiss);
    hold_.setSingleShot(true);
    connect(&hold_, &QTimer::timeout, fade_, [this] { fade_->start(); });
    hide();
}

void NoticeOverlay::showNotice(const Message& message, QPoint centre, int maxWidth) {
    fade_->stop();
    message_ = message;
    opacity_->setOpacity(1.0);
    const QSize size = contentSize(std::max(maxWidth, 4 * kPadding));
    setGeometry(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                size.height());
    show();
    raise();
    update();
    hold_.start(kHoldMs);
}

void NoticeOverlay::dismiss() {
    hold_.stop();
    fade_->stop();
    message_ = Message();
    hide();
}

QSize NoticeOverlay::contentSize(int maxWidth) const {
    const int textWidth = maxWidth - 2 * kPadding;
    const QFontMetrics captionMetrics(captionFont(font()));
    const QRect caption =
        captionMetrics.boundingRect(0, 0, textWidth, 10000, Qt::AlignHCenter | Qt::TextWordWrap,
                                    QString::fromStdString(message_.caption));
    const QRect text =
        fontMetrics().boundingRect(0, 0, textWidth, 10000, Qt::AlignHCenter | Qt::TextWordWrap,
                                   QString::fromStdString(message_.text));
    const int width = std::max(caption.width(), text.width()) + 2 * kPadding;
    const int height = caption.height() + kCaptionGap + text.height() + 2 * kPadding;
    return {std::min(width, maxWidth), height};
}

void NoticeOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
    painter.setBrush(QColor(20, 20, 20, 215));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kCornerRadius, kCornerRadius);

    const QRect inner = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const QFont caption = captionFont(font());
    const QRect captionArea = QFontMetrics(caption).boundingRect(
        inner, Qt::AlignHCenter | Qt::TextWordWrap, QString::fromStdString(message_.caption));
    painter.setPen(Qt::white);
    painter.setFont(caption);
    painter.drawText(inner, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(message_.caption));
    painter.setFont(font());
    painter.drawText(inner.adjusted(0, captionArea.height() + kCaptionGap, 0, 0),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(message_.text));
}

} // namespace vh::app
