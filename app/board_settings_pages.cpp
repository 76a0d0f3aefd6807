#include "app/board_settings_pages.h"

#include "settings/coach_settings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace vh::app {
namespace {

constexpr int kSlowest = 20;
constexpr int kFastest = 200;
constexpr int kTickStep = 20;

QCheckBox* checkBox(const char* text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

std::int32_t checked(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace

MouseInputPage::MouseInputPage(QWidget* parent) : OptionPage(Apply::ReloadFirst, parent) {
    auto* group = new QGroupBox("Human Interaction Options", this);
    showMoves_ = checkBox("Show all possible moves when mouse hovers over a stone.",
                          "showMovesOnHover", group);
    pipNumbers_ = checkBox("Show numbers on board pips.", "showPipNumbers", group);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(showMoves_);
    inner->addWidget(pipNumbers_);
    auto* coach = new QGroupBox("Coach", this);
    tutor_ = checkBox("Warn me about doubtful moves, errors and blunders", "tutor", coach);
    auto* coachLayout = new QVBoxLayout(coach);
    coachLayout->addWidget(tutor_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(coach);
    layout->addStretch();
}

void MouseInputPage::load(const GameSettings& settings) {
    showMoves_->setChecked(settings.showMovesOnHover == 1);
    pipNumbers_->setChecked(settings.showPipNumbers == 1);
    tutor_->setChecked(loadCoachSettings().tutor);
}

void MouseInputPage::store(GameSettings& settings) {
    settings.showMovesOnHover = checked(showMoves_);
    settings.showPipNumbers = checked(pipNumbers_);
    CoachSettings coach = loadCoachSettings();
    coach.tutor = tutor_->isChecked();
    saveCoachSettings(coach);
}

AnimationPage::AnimationPage(QWidget* parent) : OptionPage(Apply::ReloadFirst, parent) {
    auto* group = new QGroupBox("Stone Animation", this);
    complete_ = checkBox("Show complete animated stone movement.", "completeAnimation", group);
    speed_ = new QSlider(Qt::Horizontal, group);
    speed_->setObjectName("animationSpeed");
    speed_->setRange(kSlowest, kFastest);
    speed_->setTickInterval(kTickStep);
    speed_->setTickPosition(QSlider::TicksBelow);
    speed_->setSingleStep(1);
    speed_->setPageStep(kTickStep);
    auto* speedLabel = new QLabel("Stone Movement Speed", group);
    speedLabel->setAlignment(Qt::AlignHCenter);
    auto* slider = new QHBoxLayout;
    slider->addWidget(new QLabel("Slowest", group));
    slider->addWidget(speed_, 1);
    slider->addWidget(new QLabel("Fastest", group));
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(complete_);
    inner->addSpacing(8);
    inner->addWidget(speedLabel);
    inner->addLayout(slider);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void AnimationPage::load(const GameSettings& settings) {
    complete_->setChecked(settings.completeAnimation == 1);
    speed_->setValue(settings.animationSpeed); // the slider keeps to its range
}

void AnimationPage::store(GameSettings& settings) {
    settings.completeAnimation = checked(complete_);
    settings.animationSpeed = speed_->value();
}

} // namespace vh::app
