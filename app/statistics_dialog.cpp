#include "app/statistics_dialog.h"

#include "platform/list_text.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "players/player_store.h"
#include "players/statistics_report.h"
#include "settings/settings_file.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vh::app {
namespace {

constexpr std::array<const char*, 4> kHeadings{"Date", "Opponent", "Money", "Result"};
constexpr std::array<int, 4> kColumnWidths{140, 85, 75, 50};
constexpr std::array<const char*, 4> kTotalNames{"cashTotal", "gamesPlayed", "gamesWon",
                                                 "gamesLost"};
constexpr int kListHeight = 290;
// The longest texts a column usually holds: the desktop's font may need more
// room for them than the columns' own widths give.
constexpr std::array<const char*, 4> kWidestTexts{"00/00/0000 00:00PM", "Opponent", "$-0000",
                                                  "Loss(G)"};
constexpr int kCellPadding = 14;

QString screenText(const std::string& bytes) {
    return QString::fromStdString(utf8FromWindows1252(bytes));
}

} // namespace

StatisticsDialog::StatisticsDialog(PlayerStore& store, const std::optional<std::string>& presetName,
                                   QWidget* parent)
    : QDialog(parent), store_(store) {
    setWindowTitle("Game Statistics");
    games_ = new QTableWidget(0, static_cast<int>(kHeadings.size()), this);
    games_->setObjectName("games");
    games_->setShowGrid(true);
    games_->setWordWrap(false);
    games_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    games_->setSelectionBehavior(QAbstractItemView::SelectRows);
    games_->setSelectionMode(QAbstractItemView::SingleSelection);
    games_->verticalHeader()->hide();
    games_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    games_->horizontalHeader()->setStretchLastSection(true);
    games_->verticalHeader()->setDefaultSectionSize(games_->fontMetrics().height() + 6);
    int listWidth = 2 * games_->frameWidth() + games_->verticalScrollBar()->sizeHint().width();
    for (std::size_t column = 0; column < kHeadings.size(); ++column) {
        games_->setHorizontalHeaderItem(static_cast<int>(column),
                                        new QTableWidgetItem(kHeadings[column]));
        columnWidths_[column] =
            std::max(kColumnWidths[column],
                     games_->fontMetrics().horizontalAdvance(kWidestTexts[column]) + kCellPadding);
        games_->setColumnWidth(static_cast<int>(column), columnWidths_[column]);
        listWidth += columnWidths_[column];
    }
    games_->setMinimumSize(listWidth, kListHeight);

    players_ = new QComboBox(this);
    players_->setObjectName("players");
    players_->setMaxVisibleItems(12);
    auto* prompt = new QLabel("Please select your name:", this);
    prompt->setBuddy(players_);
    auto* side = new QVBoxLayout;
    side->addWidget(prompt);
    side->addWidget(players_);
    side->addSpacing(12);
    for (std::size_t line = 0; line < totals_.size(); ++line) {
        totals_[line] = new QLabel(this);
        totals_[line]->setObjectName(kTotalNames[line]);
        side->addWidget(totals_[line]);
    }
    side->addStretch();
    auto* remove = new QPushButton("Delete Player", this);
    remove->setObjectName("deletePlayer");
    remove->setAutoDefault(false);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("close");
    close->setDefault(true);
    side->addWidget(remove);
    side->addWidget(close);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(games_, 1);
    layout->addLayout(side);
    setTabOrder(players_, games_);
    setTabOrder(games_, remove);
    setTabOrder(remove, close);

    loadSettings(settings_);
    store_.loadPlayers();
    fillPlayers();
    if (presetName) {
        settings_.statisticsPlayer = *presetName;
    }
    selectPlayer(settings_.statisticsPlayer);
    fillGames();

    connect(players_, &QComboBox::activated, this, &StatisticsDialog::playerChosen);
    connect(remove, &QPushButton::clicked, this, &StatisticsDialog::deletePlayer);
    connect(close, &QPushButton::clicked, this, &StatisticsDialog::reject);
    players_->setFocus();
}

void StatisticsDialog::fillPlayers() {
    const QSignalBlocker quiet(players_);
    players_->clear();
    names_ = statisticsPlayerNames(store_);
    for (const std::string& name : names_) {
        players_->addItem(screenText(name));
    }
}

void StatisticsDialog::selectPlayer(const std::string& prefix) {
    const QSignalBlocker quiet(players_);
    players_->setCurrentIndex(entryBeginningWith(names_, prefix));
}

void StatisticsDialog::fillGames() {
    games_->setRowCount(0);
    const PlayerRecord* player = store_.findPlayer(settings_.statisticsPlayer);
    if (player == nullptr) {
        for (QLabel* line : totals_) {
            line->clear();
        }
        return;
    }
    // Narrower from 14 games on, to leave room for the scroll bar.
    const int narrowing = kColumnWidths[0] - statisticsDateWidth(player->historyCount());
    games_->setColumnWidth(0, columnWidths_[0] - narrowing);
    const std::vector<StatisticsRow> rows = statisticsRows(*player);
    games_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::array<const std::string*, 4> cells{&rows[row].date, &rows[row].opponent,
                                                      &rows[row].money, &rows[row].result};
        for (std::size_t column = 0; column < cells.size(); ++column) {
            games_->setItem(static_cast<int>(row), static_cast<int>(column),
                            new QTableWidgetItem(screenText(*cells[column])));
        }
    }
    const std::array<std::string, 4> totals = statisticsTotals(*player);
    for (std::size_t line = 0; line < totals_.size(); ++line) {
        totals_[line]->setText(QString::fromStdString(totals[line]));
    }
}

void StatisticsDialog::playerChosen(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) {
        return;
    }
    settings_.statisticsPlayer = names_[static_cast<std::size_t>(index)];
    fillGames();
}

void StatisticsDialog::deletePlayer() {
    const std::string name = settings_.statisticsPlayer;
    const std::string shown = utf8FromWindows1252(name);
    if (showMessage("Confirm Player Record Deletion",
                    "Are you sure you want to delete all the game records for " + shown + "?",
                    MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    if (!store_.removePlayer(name)) {
        showMessage("Player Record Not Deleted", "Could not delete record.");
        return;
    }
    // At once: a later reload of the store must not bring the player back.
    store_.savePlayers();
    showMessage("Player Record Deleted", "Record has been deleted.");
    fillPlayers();
    const std::string first = names_.empty() ? std::string() : names_.front();
    selectPlayer(first);
    settings_.statisticsPlayer = first;
    fillGames();
}

void StatisticsDialog::reject() {
    saveSettings(settings_);
    QDialog::reject();
}

} // namespace vh::app
