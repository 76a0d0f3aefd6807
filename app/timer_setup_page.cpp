#include "app/timer_setup_page.h"

#include "settings/number_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vh::app {
namespace {

constexpr int kTimeLength = 7;

std::array<std::int32_t*, 4> timeFields(GameSettings& settings) {
    return {&settings.initialMinutes, &settings.initialSeconds, &settings.perMoveMinutes,
            &settings.perMoveSeconds};
}

} // namespace

TimerSetupPage::TimerSetupPage(QWidget* parent) : OptionPage(Apply::ReloadFirst, parent) {
    useTimer_ = new QCheckBox("Use Timer", this);
    useTimer_->setObjectName("useTimer");
    static constexpr const char* kNames[] = {"initialMinutes", "initialSeconds", "perMoveMinutes",
                                             "perMoveSeconds"};
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Initial Time:", this), 0, 0);
    grid->addWidget(new QLabel("Additional Time Per Move:", this), 1, 0);
    for (std::size_t i = 0; i < times_.size(); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(kNames[i]);
        edit->setMaxLength(kTimeLength);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        edit->setMaximumWidth(80);
        times_[i] = edit;
        const int row = static_cast<int>(i / 2);
        const int column = 1 + static_cast<int>(i % 2) * 2;
        grid->addWidget(edit, row, column);
        grid->addWidget(new QLabel(i % 2 == 0 ? "Min." : "Sec.", this), row, column + 1);
    }
    grid->setColumnStretch(5, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(useTimer_);
    layout->addLayout(grid);
    layout->addStretch();
    connect(useTimer_, &QCheckBox::toggled, this, &TimerSetupPage::enableTimes);
}

void TimerSetupPage::load(const GameSettings& settings) {
    useTimer_->setChecked(settings.useTimer != 0);
    GameSettings shown = settings;
    const auto fields = timeFields(shown);
    for (std::size_t i = 0; i < times_.size(); ++i) {
        times_[i]->setText(QString::number(*fields[i]));
    }
    enableTimes();
}

void TimerSetupPage::enableTimes() {
    for (QLineEdit* edit : times_) {
        edit->setEnabled(useTimer_->isChecked());
    }
}

void TimerSetupPage::store(GameSettings& settings) {
    settings.useTimer = useTimer_->isChecked() ? 1 : 0;
    const auto fields = timeFields(settings);
    for (std::size_t i = 0; i < times_.size(); ++i) {
        // A field without a number keeps its value.
        if (const auto value = leadingInteger(times_[i]->text().toStdString(), kTimeLength)) {
            *fields[i] = *value;
        }
    }
}

} // namespace vh::app
