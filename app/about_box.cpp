#include "app/about_box.h"

#include "app/pictures.h"
#include "app/program_page.h"
#include "platform/version.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vh::app {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Varnholt Backgammon");
    const std::string_view version = programVersion();
    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setObjectName("aboutText");
    text->setTextFormat(Qt::RichText);
    text->setText(
        QString("<p><b>Varnholt Backgammon</b><br>Version %1</p>"
                "<p>MIT License<br>Copyright (c) the Varnholt Backgammon developers</p>"
                "<p><a href=\"home\">The Varnholt Backgammon home page</a></p>")
            .arg(QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size()))));
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(text, &QLabel::linkActivated, this,
            [] { openProgramPage("Visit Web Site", "Data/home.html"); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
}

} // namespace vh::app
