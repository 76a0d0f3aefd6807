#pragma once

#include "app/main_window.h"
#include "match/saved_game.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "settings/game_settings.h"
#include "tests/support/temp_directory.h"

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vh::test {

// Message boxes that answer from a queue (then Yes) and may run code while
// they are open, as the real ones run timers.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const Message& message) override;

    std::vector<Message> shown;
    std::deque<MessageAnswer> answers;
    // Runs inside every box, while it is "open".
    std::function<void(const Message&)> whileOpen;
};

// A program directory with the built pictures and sounds and the shipped
// roster, scripted message boxes, silent recorded sounds, and the window.
class AppFixture : public testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    // A window sized and shown on the offscreen screen.
    app::MainWindow& openWindow();
    // Writes a saved game and opens it in the window.
    void openSaved(const SavedGame& game);
    // A new window with the saved game open in it.
    void openWindowOn(const SavedGame& game);
    // Runs passes until `done` holds; fails after a minute. Animations run
    // on the clock, so a long one on a busy machine needs the time, not a
    // number of passes.
    void passUntil(const std::function<bool()>& done);
    // Where the centre of a board location is, in the board widget.
    QPoint locationCentre(int location) const;
    // Presses the dice cup of the side to move and waits for the dice.
    void pressDiceCup();
    void clickDiceCup(); // and does not wait for the dice
    // Drags a checker on the board from one location to another.
    void drag(int from, int to);
    bool enabled(app::Command command) const;
    // Runs `handle` on the next modal dialog once it is open, e.g. to press
    // one of its buttons; dialogs run their own event loop until closed.
    void onNextDialog(std::function<void(QDialog&)> handle);
    // Declines the new player's dialog and then the New Game sheet, whose
    // title lands in `title`.
    void cancelNewGameSheet(QString& title);

    TempDirectory directory_{"window"};
    ScriptedMessageBoxes messages_;
    ScopedMessageBoxes installedMessages_{messages_};
    RecordingSoundPlayer sounds_;
    std::unique_ptr<app::MainWindow> window_;
    QTimer dialogWatch_;
    std::function<void(QDialog&)> dialogHandler_;
};

// The named child widget of `parent` (a failure when there is none).
template <typename T>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The options as saved in the user's settings file.
GameSettings storedSettings();

// A human "Ann" (side 0) against the roster's first opponent (side 1), Ann
// to move with 6-1; the position is the start position unless given.
SavedGame humanAgainstComputer(int die1 = 6, int die2 = 1);

} // namespace vh::test
