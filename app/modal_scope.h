#pragma once

#include "platform/message_box.h"

namespace vh::app {

// Counts the modal windows open (message boxes, dialogs, file choosers).
// Timers keep firing inside a modal window's event loop, so the game loop
// checks this and waits: a game must never be stepped, or destroyed, under
// the handler that opened the window.
class ModalScope {
public:
    ModalScope() { ++depth_; }
    ~ModalScope() { --depth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    static bool active() { return depth_ > 0; }

private:
    static int depth_;
};

// The program's message boxes, each counted as a modal window: installed
// by the main window over whatever boxes were installed before.
class ModalMessageBoxes final : public MessageBoxes {
public:
    ModalMessageBoxes() : inner_(messageBoxes()), installed_(*this) {}

    MessageAnswer show(const Message& message) override {
        const ModalScope modal;
        return inner_.show(message);
    }

private:
    MessageBoxes& inner_;
    ScopedMessageBoxes installed_;
};

} // namespace vh::app
