#include "app/best_moves_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vh::app {
namespace {

QString equityText(float equity) {
    return QString::asprintf("%+.3f", static_cast<double>(equity));
}

QString percent(float chance) {
    return QString::asprintf("%.1f%%", 100.0 * static_cast<double>(chance));
}

QTableWidgetItem* cell(const QString& text, bool number = true) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                  : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

} // namespace

BestMovesWindow::BestMovesWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("bestMovesWindow");
    setWindowTitle("Best Moves");
    setModal(false);
    heading_ = new QLabel(this);
    heading_->setObjectName("bestMovesHeading");
    heading_->setWordWrap(true);
    table_ = new QTableWidget(this);
    table_->setObjectName("bestMovesTable");
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    play_ = new QPushButton("Play", this);
    play_->setObjectName("bestMovesPlay");
    play_->setEnabled(false);
    auto* close = new QPushButton("Close", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(play_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(520, 360);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &BestMovesWindow::selectionChanged);
    connect(play_, &QPushButton::clicked, this, [this] {
        if (const std::optional<Play> play = selectedPlay()) {
            emit playWanted(*play);
        }
    });
    connect(table_, &QTableWidget::cellDoubleClicked, play_, &QPushButton::click);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

void BestMovesWindow::showAnalysis(const Analysis& analysis, const QString& heading) {
    analysis_ = analysis;
    heading_->setText(heading);
    table_->clear();
    if (analysis.cube) {
        const CubeAdvice& cube = *analysis.cube;
        table_->setColumnCount(2);
        table_->setHorizontalHeaderLabels({"Cube action", "Equity"});
        const std::pair<QString, float> rows[] = {
            {"No double", cube.noDouble},
            {"Double, take", cube.doubleTake},
            {"Double, pass", cube.doublePass},
        };
        table_->setRowCount(cube.mayDouble ? 3 : 1);
        for (int row = 0; row < table_->rowCount(); ++row) {
            table_->setItem(row, 0, cell(rows[row].first, false));
            table_->setItem(row, 1, cell(equityText(rows[row].second)));
        }
        heading_->setText(
            heading + "\n" +
            (cube.mayDouble ? QString("Right action: %1; the opponent should %2.")
                                  .arg(cubeVerdictText(cube.verdict), cube.take ? "take" : "pass")
                            : QString("The opponent owns the cube.")) +
            QString("  Winning chances %1, gammons %2.")
                .arg(percent(cube.chances[kWin]), percent(cube.chances[kWinGammon])));
    } else {
        table_->setColumnCount(7);
        table_->setHorizontalHeaderLabels(
            {"Rank", "Play", "Equity", "Difference", "Win", "Win gammon", "Lose gammon"});
        table_->setRowCount(static_cast<int>(analysis.plays.size()));
        int row = 0;
        for (const RankedMove& move : analysis.plays) {
            table_->setItem(row, 0, cell(QString::number(row + 1)));
            table_->setItem(row, 1, cell(QString::fromStdString(move.text), false));
            table_->setItem(row, 2, cell(equityText(move.equity)));
            table_->setItem(row, 3, cell(row == 0 ? QString() : equityText(move.difference)));
            table_->setItem(row, 4, cell(percent(move.chances[kWin])));
            table_->setItem(row, 5, cell(percent(move.chances[kWinGammon])));
            table_->setItem(row, 6, cell(percent(move.chances[kLoseGammon])));
            ++row;
        }
    }
    table_->resizeColumnsToContents();
    play_->setEnabled(false);
}

void BestMovesWindow::showWaiting(const QString& text) {
    analysis_.reset();
    heading_->setText(text);
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    play_->setEnabled(false);
}

std::optional<Play> BestMovesWindow::selectedPlay() const {
    const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
    if (!analysis_ || analysis_->cube || ranges.isEmpty()) {
        return std::nullopt;
    }
    const auto row = static_cast<std::size_t>(ranges.front().topRow());
    if (row >= analysis_->plays.size()) {
        return std::nullopt;
    }
    return analysis_->plays[row].play;
}

void BestMovesWindow::selectionChanged() {
    const std::optional<Play> play = selectedPlay();
    play_->setEnabled(play.has_value());
    if (play) {
        emit playSelected(*play);
    }
}

} // namespace vh::app
