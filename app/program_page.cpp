#include "app/program_page.h"

#include "platform/message_box.h"
#include "platform/program_folders.h"

#include <QDesktopServices>
#include <QUrl>
#include <string>

namespace vh::app {

void openProgramPage(std::string_view caption, const char* file) {
    const QUrl page = QUrl::fromLocalFile(QString::fromStdString(dataPath(file).string()));
    if (QDesktopServices::openUrl(page)) {
        return;
    }
    const std::string text =
        "No web browser could be started.  The page is at " + page.toString().toStdString();
    showMessage(caption, text, MessageButtons::Ok);
}

} // namespace vh::app
