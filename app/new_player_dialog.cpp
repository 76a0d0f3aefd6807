#include "app/new_player_dialog.h"

#include "app/modal_scope.h"
#include "app/pictures.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "players/player_choice.h"
#include "players/player_store.h"
#include "settings/number_text.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vh::app {
namespace {

constexpr int kPhotoWidth = 75;
constexpr int kPhotoHeight = 100;
constexpr int kNameLength = 31;
constexpr int kDescriptionLength = 255;

std::string fieldText(const QString& text, std::size_t maxBytes) {
    std::string bytes = windows1252FromUtf8(text.toStdString());
    if (bytes.size() > maxBytes) {
        bytes.resize(maxBytes);
    }
    return bytes;
}

} // namespace

NewPlayerDialog::NewPlayerDialog(PlayerStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
    setWindowTitle("Create New Player...");
    record_.cash = kStartingCash;
    record_.setPhoto("");

    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    name_->setMaxLength(kNameLength);
    age_ = new QLineEdit(this);
    age_->setObjectName("age");
    age_->setMaxLength(kNameLength);
    age_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), age_));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName("description");
    description_->setTabChangesFocus(true);

    auto* form = new QFormLayout;
    form->addRow("Name:", name_);
    form->addRow("Age:", age_);
    form->addRow("Description:", description_);

    auto* note = new QLabel("If you have a custom bitmap photo of yourself, you can select it with "
                            "the button below. (If you don't, a standard photo will be used.)",
                            this);
    note->setWordWrap(true);
    auto* photoButton = new QPushButton("Load Custom Photo...", this);
    photoButton->setObjectName("loadPhoto");
    photoSpot_ = new QWidget(this);
    photoSpot_->setFixedSize(kPhotoWidth, kPhotoHeight);
    auto* photoRow = new QHBoxLayout;
    photoRow->addWidget(photoSpot_);
    auto* photoSide = new QVBoxLayout;
    photoSide->addWidget(note);
    photoSide->addWidget(photoButton);
    photoSide->addStretch();
    photoRow->addLayout(photoSide, 1);

    auto* createButton = new QPushButton("Create", this);
    createButton->setObjectName("create");
    createButton->setDefault(true);
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(createButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(photoRow);
    layout->addLayout(buttons);

    connect(photoButton, &QPushButton::clicked, this, &NewPlayerDialog::loadPhoto);
    connect(createButton, &QPushButton::clicked, this, &NewPlayerDialog::create);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void NewPlayerDialog::loadPhoto() {
    QString file;
    {
        const ModalScope modal;
        file = QFileDialog::getOpenFileName(this, "Load Custom Photo", QString(),
                                            "Bitmap Files (*.bmp)");
    }
    if (!file.isEmpty()) {
        // A file that does not open gives the standard photo.
        record_.setPhoto(file.toStdString());
    }
    update();
}

void NewPlayerDialog::create() {
    record_.name = fieldText(name_->text(), kNameLength);
    record_.description = fieldText(description_->toPlainText(), kDescriptionLength);
    record_.age = leadingInteger(age_->text().toStdString(), kNameLength).value_or(0);
    record_.cash = kStartingCash;
    if (const auto problem = newPlayerNameProblem(store_, record_.name)) {
        showMessage(problem->caption, problem->text);
        return;
    }
    createdName_ = record_.name;
    store_.addPlayer(std::move(record_));
    store_.savePlayers();
    accept();
}

void NewPlayerDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage photo = wrapImage(record_.photo.picture());
    if (!photo.isNull()) {
        painter.drawImage(photoSpot_->geometry(), photo);
    }
}

} // namespace vh::app
