#pragma once

#include <QWidget>

class QTextBrowser;

namespace vh::app {

// The help pages of the program (Data/vhhelp.html) in a window of their own.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // Shows the help at a section (nullptr: the top) and brings it to the front.
    void showAt(const char* anchor);

private:
    QTextBrowser* browser_ = nullptr;
};

} // namespace vh::app
