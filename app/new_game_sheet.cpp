#include "app/new_game_sheet.h"

#include "app/player_setup_page.h"
#include "app/timer_setup_page.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vh::app {

NewGameSheet::NewGameSheet(PlayerStore& store, QWidget* parent) : QDialog(parent) {
    setWindowTitle("New Game");
    auto* tabs = new QTabWidget(this);
    playerSetup_ = new PlayerSetupPage(store, tabs);
    timerSetup_ = new TimerSetupPage(tabs);
    tabs->addTab(playerSetup_, "Player Setup");
    tabs->addTab(timerSetup_, "Timer Setup");
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* play = buttons->addButton("Play", QDialogButtonBox::AcceptRole);
    play->setObjectName("play");
    play->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName("cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewGameSheet::play);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void NewGameSheet::play() {
    playerSetup_->apply();
    timerSetup_->apply();
    accept();
}

} // namespace vh::app
