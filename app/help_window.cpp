#include "app/help_window.h"

#include "platform/program_folders.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vh::app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Varnholt Backgammon Help");
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpText");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 680);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
}

void HelpWindow::showAt(const char* anchor) {
    QUrl page = QUrl::fromLocalFile(QString::fromStdString(dataPath("Data/vhhelp.html").string()));
    if (anchor != nullptr) {
        page.setFragment(anchor);
    }
    browser_->setSource(page);
    if (anchor != nullptr) {
        browser_->scrollToAnchor(anchor);
    }
    show();
    raise();
    activateWindow();
}

} // namespace vh::app
