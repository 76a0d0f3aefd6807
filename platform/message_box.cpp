#include "platform/message_box.h"

#include <iostream>

namespace vh {
namespace {

MessageBoxes* installedBoxes = nullptr;

MessageBoxes& defaultBoxes() {
    static HeadlessMessageBoxes boxes(std::cerr);
    return boxes;
}

// One line per message, whatever line breaks the text has.
std::string oneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        line += c == '\n' ? ' ' : c;
    }
    return line;
}

} // namespace

MessageAnswer RecordingMessageBoxes::show(const Message& message) {
    shown_.push_back(message);
    if (message.buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (!queued_.empty()) {
        const MessageAnswer answer = queued_.front();
        queued_.pop_front();
        return answer;
    }
    return questionAnswer_;
}

std::vector<std::string> RecordingMessageBoxes::texts() const {
    std::vector<std::string> texts;
    texts.reserve(shown_.size());
    for (const Message& message : shown_) {
        texts.push_back(message.text);
    }
    return texts;
}

MessageAnswer HeadlessMessageBoxes::show(const Message& message) {
    out_ << oneLine(message.caption) << ": " << oneLine(message.text);
    if (message.buttons == MessageButtons::YesNo) {
        out_ << " [Yes/No: " << (questionAnswer_ == MessageAnswer::Yes ? "Yes" : "No") << ']';
    }
    out_ << '\n';
    out_.flush();
    return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : questionAnswer_;
}

MessageBoxes& messageBoxes() {
    return installedBoxes != nullptr ? *installedBoxes : defaultBoxes();
}

void setMessageBoxes(MessageBoxes* boxes) {
    installedBoxes = boxes;
}

MessageAnswer showMessage(std::string_view caption, std::string_view text, MessageButtons buttons) {
    return messageBoxes().show(Message{std::string(caption), std::string(text), buttons});
}

ScopedMessageBoxes::ScopedMessageBoxes(MessageBoxes& boxes) : previous_(installedBoxes) {
    installedBoxes = &boxes;
}

ScopedMessageBoxes::~ScopedMessageBoxes() {
    installedBoxes = previous_;
}

} // namespace vh
