#include "app/option_page.h"

#include "settings/settings_file.h"

namespace vh::app {

OptionPage::OptionPage(Apply apply, QWidget* parent) : QWidget(parent), apply_(apply) {}

void OptionPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        loadSettings(settings_);
        load(settings_);
        shown_ = true;
    }
}

void OptionPage::apply() {
    if (!shown_) {
        return;
    }
    if (apply_ == Apply::ReloadFirst) {
        loadSettings(settings_);
    }
    store(settings_);
    saveSettings(settings_);
}

} // namespace vh::app
