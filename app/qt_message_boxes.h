#pragma once

#include "platform/message_box.h"

class QWidget;

namespace vh::app {

// The program's messages as Qt message boxes over the main window: an OK box,
// or a Yes/No question whose default button is Yes.
class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const Message& message) override;
    // The window the boxes are centred on (none: the screen).
    void setParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_ = nullptr;
};

} // namespace vh::app
