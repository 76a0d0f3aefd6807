#pragma once

#include <QFrame>
#include <QTimer>

class QLabel;
class QPushButton;

namespace vh::app {

// The tutor's warning over the top of the board: what a decision gave away
// and what was right, with an Undo button. The game goes on meanwhile; the
// warning goes after a while, at Undo or at the next warning.
class TutorNotice final : public QFrame {
    Q_OBJECT

public:
    static constexpr int kShowMs = 20000;

    explicit TutorNotice(QWidget* parent);

    void showWarning(const QString& text);
    void setUndoAvailable(bool available);
    QString text() const;

signals:
    void undoWanted();

private:
    void place();

    QLabel* text_ = nullptr;
    QPushButton* undo_ = nullptr;
    QTimer hide_;
};

} // namespace vh::app
