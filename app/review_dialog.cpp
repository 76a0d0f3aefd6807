#include "app/review_dialog.h"

#include "app/pictures.h"
#include "app/win_chance_plot.h"
#include "board/board_view.h"
#include "platform/program_folders.h"
#include "platform/text_encoding.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vh::app {
namespace {

constexpr int kPollMs = 50;
constexpr int kBoardWidth = 420;
constexpr int kBoardHeight = 294;

QString nameOf(const std::string& name) {
    return QString::fromStdString(utf8FromWindows1252(name));
}

QString rollText(const RecordedTurn& turn) {
    if (turn.die1 == 0) {
        return "--";
    }
    return QString("%1-%2").arg(std::max(turn.die1, turn.die2)).arg(std::min(turn.die1, turn.die2));
}

QString turnLine(int index, const TurnReview& turn, const GameReview& review) {
    const RecordedTurn& made = turn.context.turn;
    QString line =
        QString("%1. %2 %3: ")
            .arg(index + 1)
            .arg(nameOf(review.sides[static_cast<std::size_t>(made.side)].name), rollText(made));
    if (made.cube != CubeAction::None) {
        line += made.cube == CubeAction::DoubleTaken ? "doubles, taken; " : "doubles, passed";
    }
    if (made.cube != CubeAction::DoublePassed) {
        line += QString::fromStdString(turn.playedText);
    }
    const char* mark = mistakeMark(turn.size);
    if (*mark != '\0') {
        line += QString(" %1").arg(mark);
    }
    if (turn.cubeLoss + turn.takeLoss >= kDoubtfulFrom) {
        line += " (cube ?)";
    }
    return line;
}

} // namespace

ReviewDialog::ReviewDialog(GameReviewer& reviewer, QWidget* parent)
    : QDialog(parent), reviewer_(reviewer) {
    setObjectName("reviewDialog");
    setWindowTitle("Review Game");
    progress_ = new QLabel(this);
    progress_->setObjectName("reviewProgress");
    summary_ = new QTableWidget(this);
    summary_->setObjectName("reviewSummary");
    summary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summary_->setSelectionMode(QAbstractItemView::NoSelection);
    plot_ = new WinChancePlot(this);
    turns_ = new QListWidget(this);
    turns_->setObjectName("reviewTurns");
    board_ = new QLabel(this);
    board_->setFixedSize(kBoardWidth, kBoardHeight);
    turnText_ = new QLabel(this);
    turnText_->setObjectName("reviewTurnText");
    turnText_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(progress_);
    left->addWidget(summary_);
    left->addWidget(plot_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(turns_, 1);
    right->addWidget(board_);
    right->addWidget(turnText_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(1060, 660);

    connect(turns_, &QListWidget::currentRowChanged, this, &ReviewDialog::showTurn);
    connect(&poll_, &QTimer::timeout, this, &ReviewDialog::poll);
    poll();
    if (!review_) {
        poll_.start(kPollMs);
    }
}

void ReviewDialog::poll() {
    reviewer_.poll();
    if (!reviewer_.ready()) {
        progress_->setText(QString("Reviewing the game: %1 of %2 turns judged...")
                               .arg(reviewer_.judgedTurns())
                               .arg(reviewer_.totalTurns()));
        return;
    }
    poll_.stop();
    review_ = reviewer_.review();
    fill();
}

void ReviewDialog::fill() {
    const GameReview& review = *review_;
    progress_->setText(review.finished
                           ? QString("Result for %1: %2 points; with the luck taken out %3.")
                                 .arg(nameOf(review.sides[0].name))
                                 .arg(review.result0)
                                 .arg(static_cast<double>(review.luckAdjusted0), 0, 'f', 2)
                           : QString("The game so far."));
    const QStringList rows{"Unforced decisions",
                           "Equity given away",
                           "Error rate (per 1000)",
                           "Performance rating",
                           "Rating",
                           "Doubtful moves",
                           "Errors",
                           "Blunders",
                           "Cube errors",
                           "Luck"};
    summary_->setRowCount(static_cast<int>(rows.size()));
    summary_->setColumnCount(2);
    summary_->setVerticalHeaderLabels(rows);
    summary_->setHorizontalHeaderLabels(
        {nameOf(review.sides[0].name), nameOf(review.sides[1].name)});
    for (int side = 0; side < 2; ++side) {
        const SideReview& s = review.sides[static_cast<std::size_t>(side)];
        const QStringList values{QString::number(s.decisions),
                                 QString::number(static_cast<double>(s.equityLost), 'f', 3),
                                 QString::number(static_cast<double>(s.errorRate), 'f', 1),
                                 QString::number(static_cast<double>(s.rating), 'f', 1),
                                 QString::fromStdString(s.ratingText),
                                 QString::number(s.doubtful),
                                 QString::number(s.errors),
                                 QString::number(s.blunders),
                                 QString::number(s.cubeErrors),
                                 QString::asprintf("%+.3f", static_cast<double>(s.luck))};
        for (int row = 0; row < values.size(); ++row) {
            auto* item = new QTableWidgetItem(values[row]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            summary_->setItem(row, side, item);
        }
    }
    summary_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Every row on show: the table is as tall as its rows.
    summary_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    summary_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summary_->setFixedHeight(summary_->horizontalHeader()->sizeHint().height() +
                             summary_->verticalHeader()->length() + 2 * summary_->frameWidth());
    std::vector<float> chances;
    turns_->clear();
    int index = 0;
    for (const TurnReview& turn : review.turns) {
        chances.push_back(turn.winChance0);
        turns_->addItem(turnLine(index++, turn, review));
    }
    plot_->setChances(std::move(chances), nameOf(review.sides[0].name));
    if (!review.turns.empty()) {
        turns_->setCurrentRow(0);
    }
}

void ReviewDialog::showTurn(int row) {
    if (!review_ || row < 0 || static_cast<std::size_t>(row) >= review_->turns.size()) {
        return;
    }
    const TurnReview& turn = review_->turns[static_cast<std::size_t>(row)];
    plot_->setMarkedTurn(row);
    // The position before the turn, the best play's points marked.
    BoardRecord record;
    record.position = turn.context.before;
    record.cubeValue = turn.context.cubeValue;
    record.die1 = std::max(1, turn.context.turn.die1);
    record.die2 = std::max(1, turn.context.turn.die2);
    for (std::int32_t i = 0; i < turn.best.count; ++i) {
        const CheckerMove& move = turn.best.moves[static_cast<std::size_t>(i)];
        record.highlights[move.from] = kHighlightTarget;
        record.highlights[move.to] = kHighlightTarget;
    }
    PixelImage picture(kBoardWidth, kBoardHeight);
    BoardView view(record, dataDirectory());
    view.attachWindow(&picture);
    view.Layout(Rect{0, 0, kBoardWidth, kBoardHeight});
    view.Render();
    board_->setPixmap(QPixmap::fromImage(copyImage(picture)));
    QString text =
        QString("Played: %1\nBest: %2\nEquity given away: %3  Luck of the roll: %4")
            .arg(QString::fromStdString(turn.playedText), QString::fromStdString(turn.bestText))
            .arg(static_cast<double>(turn.loss), 0, 'f', 3)
            .arg(QString::asprintf("%+.3f", static_cast<double>(turn.luck)));
    if (turn.cube) {
        text += QString("\nCube: right action %1, given away %2")
                    .arg(cubeVerdictText(turn.cube->verdict))
                    .arg(static_cast<double>(turn.cubeLoss + turn.takeLoss), 0, 'f', 3);
    }
    turnText_->setText(text);
}

} // namespace vh::app
