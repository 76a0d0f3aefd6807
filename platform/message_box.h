#pragma once

#include <deque>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// The caption of the program's own messages.
inline constexpr std::string_view kApplicationTitle = "Varnholt Backgammon";

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// One message box: caption and text are UTF-8.
struct Message {
    std::string caption;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const Message&) const = default;
};

// A message that tells and asks nothing: its only button is OK.
inline bool isNotice(const Message& message) {
    return message.buttons == MessageButtons::Ok;
}

// Shows a message and waits for the answer: Ok for an OK box, Yes or No for a
// question. The window layer shows real boxes; the others are here.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

// Keeps every message shown, in order, and answers questions from a queue of
// answers, then with a fixed answer. For tests.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    explicit RecordingMessageBoxes(MessageAnswer questionAnswer = MessageAnswer::Yes)
        : questionAnswer_(questionAnswer) {}

    MessageAnswer show(const Message& message) override;

    void queueAnswer(MessageAnswer answer) { queued_.push_back(answer); }
    const std::vector<Message>& shown() const { return shown_; }
    // The texts shown, in order.
    std::vector<std::string> texts() const;
    void clear() { shown_.clear(); }

private:
    MessageAnswer questionAnswer_;
    std::deque<MessageAnswer> queued_;
    std::vector<Message> shown_;
};

// Writes each message as one line, "caption: text", to a stream (standard
// error in the command-line tool) and answers every question the same way.
class HeadlessMessageBoxes final : public MessageBoxes {
public:
    explicit HeadlessMessageBoxes(std::ostream& out,
                                  MessageAnswer questionAnswer = MessageAnswer::No)
        : out_(out), questionAnswer_(questionAnswer) {}

    MessageAnswer show(const Message& message) override;

private:
    std::ostream& out_;
    MessageAnswer questionAnswer_;
};

// The message boxes the program shows its messages through: headless on
// standard error (questions answered No) until another set is installed.
// Messages are shown from the main thread only.
MessageBoxes& messageBoxes();
// Installs `boxes` (not owned; nullptr restores the headless default).
void setMessageBoxes(MessageBoxes* boxes);

MessageAnswer showMessage(std::string_view caption, std::string_view text,
                          MessageButtons buttons = MessageButtons::Ok);

// Installs a set of message boxes for its lifetime and then restores the
// previous one.
class ScopedMessageBoxes {
public:
    explicit ScopedMessageBoxes(MessageBoxes& boxes);
    ScopedMessageBoxes(const ScopedMessageBoxes&) = delete;
    ScopedMessageBoxes& operator=(const ScopedMessageBoxes&) = delete;
    ~ScopedMessageBoxes();

private:
    MessageBoxes* previous_;
};

} // namespace vh
