#pragma once

#include <QWidget>

class QLineEdit;

namespace vh::app {

// The status line's field for typing a play ("24/18 13/11", "bar/20*",
// "6/off 5/off", "8/5(2)"). Enter hands the text on; Enter on an empty
// field asks for the roll.
class MoveEntryField final : public QWidget {
    Q_OBJECT

public:
    explicit MoveEntryField(QWidget* parent);

    // Shows the field and puts the keyboard in it.
    void focusField();
    void clear();

signals:
    void entered(const QString& text);

private:
    QLineEdit* edit_ = nullptr;
};

} // namespace vh::app
