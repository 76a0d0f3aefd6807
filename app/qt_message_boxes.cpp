#include "app/qt_message_boxes.h"

#include <QMessageBox>

namespace vh::app {

MessageAnswer QtMessageBoxes::show(const Message& message) {
    const bool question = message.buttons == MessageButtons::YesNo;
    QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information,
                    QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (!question) {
        return MessageAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace vh::app
