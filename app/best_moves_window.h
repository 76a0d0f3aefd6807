#pragma once

#include "coach/analysis.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace vh::app {

// "Show Best Moves": beside the board, the coach's ranked plays of the
// human's roll (rank, play, equity, difference, chances), or before the roll
// its cube decision. Selecting a play shows it on the board; Play makes it.
class BestMovesWindow final : public QDialog {
    Q_OBJECT

public:
    explicit BestMovesWindow(QWidget* parent);

    void showAnalysis(const Analysis& analysis, const QString& heading);
    // Nothing to list: a line says why ("The coach is thinking...").
    void showWaiting(const QString& text);
    const std::optional<Analysis>& analysis() const { return analysis_; }

signals:
    void playSelected(const Play& play);
    void playWanted(const Play& play);

private:
    void selectionChanged();
    std::optional<Play> selectedPlay() const;

    QLabel* heading_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* play_ = nullptr;
    std::optional<Analysis> analysis_;
};

} // namespace vh::app
