#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class QTabWidget;

namespace vh::app {

class OptionPage;

// A tabbed sheet of option pages with OK and Cancel. OK writes the pages
// that were shown, in page order; Cancel writes nothing.
class OptionSheet final : public QDialog {
    Q_OBJECT

public:
    OptionSheet(const QString& title, QWidget* parent);

    void addPage(OptionPage* page, const QString& title);
    QTabWidget* tabs() const { return tabs_; }

private:
    void confirm();

    QTabWidget* tabs_ = nullptr;
    std::vector<OptionPage*> pages_;
};

// "Board Settings": Mouse Input and Animation.
std::unique_ptr<OptionSheet> makeBoardSettingsSheet(QWidget* parent);
// "Graphics Settings": the colour scheme ("Game") and the Wallpaper.
std::unique_ptr<OptionSheet> makeGraphicsSettingsSheet(QWidget* parent);

} // namespace vh::app
