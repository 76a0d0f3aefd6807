#pragma once

#include "platform/message_box.h"

#include <QTimer>
#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

namespace vh::app {

// A notice of the game (its caption and text) laid over the board for a
// while, then faded out: it tells without waiting for an OK. The board area
// places it and hides it on the next click.
class NoticeOverlay final : public QWidget {
    Q_OBJECT

public:
    // How long a notice stands before it fades, and how long the fade takes.
    static constexpr int kHoldMs = 2000;
    static constexpr int kFadeMs = 600;

    explicit NoticeOverlay(QWidget* parent);

    // Shows `message` at once in place of any notice on show, centred on
    // `centre` (in the parent's coordinates) and at most `maxWidth` wide.
    void showNotice(const Message& message, QPoint centre, int maxWidth);
    // Takes the notice away at once.
    void dismiss();
    // The caption and text on show (empty when none is).
    const Message& message() const { return message_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize contentSize(int maxWidth) const;

    Message message_;
    QTimer hold_;
    QGraphicsOpacityEffect* opacity_ = nullptr;
    QPropertyAnimation* fade_ = nullptr;
};

} // namespace vh::app
