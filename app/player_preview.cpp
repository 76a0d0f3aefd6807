#include "app/player_preview.h"

#include "app/pictures.h"
#include "platform/text_encoding.h"
#include "players/player_choice.h"

#include <QLabel>
#include <QPainter>

namespace vh::app {
namespace {

// Wide enough for the richest opponent's cash under the photo.
constexpr int kPreviewWidth = 130;
const QRect kPhoto{(kPreviewWidth - 75) / 2, 0, 75, 100};
const QRect kCash{0, 105, kPreviewWidth, 20};
const QRect kAge{0, 125, kPreviewWidth, 20};

} // namespace

PlayerPreview::PlayerPreview(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPreviewWidth, 150);
    description_ = new QLabel(parent);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setMinimumWidth(270);
}

void PlayerPreview::showPlayer(bool computer, const std::string& entry, const Roster& roster,
                               const PlayerStore& store, std::span<const ComputerProfile> neural) {
    photo_ = QImage();
    cash_.clear();
    age_.clear();
    QString description;
    if (computer) {
        if (const ComputerProfile* opponent = opponentForEntry(roster, neural, entry)) {
            const ComputerProfile& profile = *opponent;
            photo_ = copyImage(profile.picture.picture());
            cash_ = QString("Cash: $%1").arg(profile.cash);
            age_ = QString("Age: %1").arg(profile.age);
            description = QString::fromStdString(utf8FromWindows1252(profile.description));
        }
    } else if (const PlayerRecord* record = previewedPlayer(store, entry)) {
        photo_ = copyImage(record->photo.picture());
        cash_ = QString("Cash: $%1").arg(record->cash);
        age_ = QString("Age: %1").arg(record->age);
        description = QString::fromStdString(utf8FromWindows1252(record->description));
    }
    description_->setText(description);
    update();
}

void PlayerPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!photo_.isNull()) {
        painter.drawImage(kPhoto, photo_);
    }
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(kCash, Qt::AlignCenter, cash_);
    painter.drawText(kAge, Qt::AlignCenter, age_);
}

} // namespace vh::app
