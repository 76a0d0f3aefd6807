#include "app/sound_settings_dialog.h"

#include "settings/settings_file.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vh::app {

SoundSettingsDialog::SoundSettingsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Sound Settings");
    loadSettings(settings_);
    mute_ = new QCheckBox("Mute all game sounds.", this);
    mute_->setObjectName("muteSounds");
    mute_->setChecked(settings_.muteSounds != 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mute_);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    // Room for the caption in the window's title bar.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 2 + 80);
    connect(buttons, &QDialogButtonBox::accepted, this, &SoundSettingsDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void SoundSettingsDialog::confirm() {
    settings_.muteSounds = mute_->isChecked() ? 1 : 0;
    saveSettings(settings_);
    accept();
}

} // namespace vh::app
