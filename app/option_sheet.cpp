#include "app/option_sheet.h"

#include "app/board_settings_pages.h"
#include "app/colour_scheme_page.h"
#include "app/option_page.h"
#include "app/player_setup_page.h"
#include "app/timer_setup_page.h"
#include "app/wallpaper_page.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vh::app {

OptionSheet::OptionSheet(const QString& title, QWidget* parent, const QString& confirmText)
    : QDialog(parent) {
    setWindowTitle(title);
    tabs_ = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("ok");
    ok->setDefault(true);
    if (!confirmText.isEmpty()) {
        ok->setText(confirmText);
    }
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionSheet::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void OptionSheet::addPage(OptionPage* page, const QString& title) {
    tabs_->addTab(page, title);
    pages_.push_back(page);
}

void OptionSheet::confirm() {
    for (OptionPage* page : pages_) {
        page->apply();
    }
    accept();
}

std::unique_ptr<OptionSheet> makeNewGameSheet(PlayerStore& store, int& matchLength,
                                              QWidget* parent) {
    auto sheet = std::make_unique<OptionSheet>("New Game", parent, "Play");
    sheet->addPage(new PlayerSetupPage(store, matchLength, sheet->tabs()), "Player Setup");
    sheet->addPage(new TimerSetupPage(sheet->tabs()), "Timer Setup");
    return sheet;
}

std::unique_ptr<OptionSheet> makeBoardSettingsSheet(QWidget* parent) {
    auto sheet = std::make_unique<OptionSheet>("Board Settings", parent);
    sheet->addPage(new MouseInputPage(sheet->tabs()), "Mouse Input");
    sheet->addPage(new AnimationPage(sheet->tabs()), "Animation");
    return sheet;
}

std::unique_ptr<OptionSheet> makeGraphicsSettingsSheet(QWidget* parent) {
    auto sheet = std::make_unique<OptionSheet>("Graphics Settings", parent);
    sheet->addPage(new ColourSchemePage(sheet->tabs()), "Game");
    sheet->addPage(new WallpaperPage(sheet->tabs()), "Wallpaper");
    return sheet;
}

} // namespace vh::app
