#include "app/move_entry_field.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace vh::app {

MoveEntryField::MoveEntryField(QWidget* parent) : QWidget(parent) {
    setObjectName("moveEntry");
    auto* label = new QLabel("&Move:", this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("moveEntryText");
    edit_->setPlaceholderText("e.g. 24/18 13/11; Enter rolls");
    edit_->setAccessibleName("Move entry");
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance("24/18*/13 13/11 6/off") + 16);
    label->setBuddy(edit_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(label);
    layout->addWidget(edit_);
    connect(edit_, &QLineEdit::returnPressed, this, [this] { emit entered(edit_->text()); });
}

void MoveEntryField::focusField() {
    show();
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

void MoveEntryField::clear() {
    edit_->clear();
}

} // namespace vh::app
