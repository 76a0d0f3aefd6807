#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class QTabWidget;

namespace vh {
class PlayerStore;
}

namespace vh::app {

class OptionPage;

// A tabbed sheet of option pages with OK and Cancel. OK writes the pages
// that were shown, in page order; Cancel writes nothing.
class OptionSheet final : public QDialog {
    Q_OBJECT

public:
    // `confirmText` replaces "OK" on the confirming button when given.
    OptionSheet(const QString& title, QWidget* parent, const QString& confirmText = {});

    void addPage(OptionPage* page, const QString& title);
    QTabWidget* tabs() const { return tabs_; }

private:
    void confirm();

    QTabWidget* tabs_ = nullptr;
    std::vector<OptionPage*> pages_;
};

// "New Game": Player Setup and Timer Setup, confirmed with "Play"; the match
// length chosen (0: a money game) is read from and written to `matchLength`.
std::unique_ptr<OptionSheet> makeNewGameSheet(PlayerStore& store, int& matchLength,
                                              QWidget* parent);
// "Board Settings": Mouse Input and Animation.
std::unique_ptr<OptionSheet> makeBoardSettingsSheet(QWidget* parent);
// "Graphics Settings": the colour scheme ("Game") and the Wallpaper.
std::unique_ptr<OptionSheet> makeGraphicsSettingsSheet(QWidget* parent);

} // namespace vh::app
