#include "app/tutor_notice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace vh::app {

TutorNotice::TutorNotice(QWidget* parent) : QFrame(parent) {
    setObjectName("tutorNotice");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 248, 214));
    colours.setColor(QPalette::WindowText, QColor(40, 30, 0));
    setPalette(colours);
    text_ = new QLabel(this);
    text_->setObjectName("tutorText");
    undo_ = new QPushButton("Undo", this);
    undo_->setObjectName("tutorUndo");
    auto* close = new QPushButton("OK", this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(undo_);
    layout->addWidget(close);
    hide_.setSingleShot(true);
    connect(&hide_, &QTimer::timeout, this, &QWidget::hide);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(undo_, &QPushButton::clicked, this, [this] {
        hide();
        emit undoWanted();
    });
    hide();
}

void TutorNotice::showWarning(const QString& text) {
    text_->setText(text);
    adjustSize();
    place();
    show();
    raise();
    hide_.start(kShowMs);
}

void TutorNotice::setUndoAvailable(bool available) {
    undo_->setEnabled(available);
}

QString TutorNotice::text() const {
    return isVisible() ? text_->text() : QString();
}

void TutorNotice::place() {
    const QWidget* area = parentWidget();
    const int width = std::min(sizeHint().width(), area->width() - 20);
    resize(width, sizeHint().height());
    move((area->width() - width) / 2, 12);
}

} // namespace vh::app
