#include "app/win_chance_plot.h"

#include <QPainter>
#include <QPainterPath>

namespace vh::app {

WinChancePlot::WinChancePlot(QWidget* parent) : QWidget(parent) {
    setObjectName("winChancePlot");
    setMinimumHeight(140);
}

void WinChancePlot::setChances(std::vector<float> chances, const QString& sideName) {
    chances_ = std::move(chances);
    sideName_ = sideName;
    update();
}

void WinChancePlot::setMarkedTurn(int turn) {
    marked_ = turn;
    update();
}

void WinChancePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(250, 250, 246));
    const QRectF area = QRectF(rect()).adjusted(40, 10, -10, -22);
    painter.setPen(QColor(190, 190, 190));
    painter.drawRect(area);
    painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), area.center().y()),
                     QPointF(area.right(), area.center().y()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(0, area.top() - 6, 36, 14), Qt::AlignRight, "100%");
    painter.drawText(QRectF(0, area.center().y() - 7, 36, 14), Qt::AlignRight, "50%");
    painter.drawText(QRectF(0, area.bottom() - 8, 36, 14), Qt::AlignRight, "0%");
    painter.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), 16), Qt::AlignLeft,
                     QString("%1's chance of winning after each turn").arg(sideName_));
    if (chances_.empty()) {
        return;
    }
    const auto pointAt = [&](std::size_t turn) {
        const double step = chances_.size() > 1 ? area.width() / double(chances_.size() - 1) : 0;
        return QPointF(area.left() + step * double(turn),
                       area.bottom() - area.height() * double(chances_[turn]));
    };
    QPainterPath line(pointAt(0));
    for (std::size_t turn = 1; turn < chances_.size(); ++turn) {
        line.lineTo(pointAt(turn));
    }
    painter.setPen(QPen(QColor(30, 90, 170), 2));
    painter.drawPath(line);
    if (marked_ >= 0 && static_cast<std::size_t>(marked_) < chances_.size()) {
        painter.setBrush(QColor(200, 60, 40));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(pointAt(static_cast<std::size_t>(marked_)), 4, 4);
    }
}

} // namespace vh::app
