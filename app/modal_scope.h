#pragma once

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

} // namespace vh::app
