#include "app/colour_scheme_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace vh::app {
namespace {

constexpr std::array<SchemeList, 3> kLists{SchemeList::Stones, SchemeList::Board, SchemeList::Pips};
constexpr std::array<const char*, 3> kLabels{"Game Pieces:", "Board Colors:", "Pips Colors:"};
constexpr std::array<const char*, 3> kNames{"stoneColours", "boardColours", "pipColours"};

} // namespace

ColourSchemePage::ColourSchemePage(QWidget* parent) : OptionPage(Apply::AsLoaded, parent) {
    auto* group = new QGroupBox("Board Color Scheme", this);
    auto* form = new QFormLayout(group);
    for (std::size_t index = 0; index < kLists.size(); ++index) {
        auto* list = new QComboBox(group);
        list->setObjectName(kNames[index]);
        for (const char* entry : schemeEntries(kLists[index])) {
            list->addItem(entry);
        }
        form->addRow(kLabels[index], list);
        lists_[index] = list;
        const SchemeList which = kLists[index];
        connect(list, &QComboBox::currentIndexChanged, this, [this, which] { chosen(which); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void ColourSchemePage::load(const GameSettings& settings) {
    loading_ = true;
    for (std::size_t index = 0; index < kLists.size(); ++index) {
        lists_[index]->setCurrentIndex(schemeEntryFor(kLists[index], settings));
    }
    loading_ = false;
}

void ColourSchemePage::chosen(SchemeList list) {
    if (loading_) {
        return;
    }
    const QComboBox* box = lists_[static_cast<std::size_t>(list)];
    applySchemeEntry(list, box->currentText().toStdString(), settings_);
}

void ColourSchemePage::store(GameSettings&) {
    // Every choice is in the copy already.
}

} // namespace vh::app
