#pragma once

#include "coach/game_reviewer.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QListWidget;
class QTableWidget;

namespace vh::app {

class WinChancePlot;

// "Review Game...": how well each side played (decisions, equity lost, error
// rate, performance rating and its word, mistakes, luck), a plot of the
// winning chances and the turns with their marks; a chosen turn shows its
// position with the best play marked. It waits for the reviewer to finish
// the turns still being judged, without blocking the window.
class ReviewDialog final : public QDialog {
    Q_OBJECT

public:
    ReviewDialog(GameReviewer& reviewer, QWidget* parent);

    // The review on show once the reviewer is done (nothing before).
    const std::optional<GameReview>& review() const { return review_; }

private:
    void poll();
    void fill();
    void showTurn(int row);

    GameReviewer& reviewer_;
    QTimer poll_;
    std::optional<GameReview> review_;
    QLabel* progress_ = nullptr;
    QTableWidget* summary_ = nullptr;
    WinChancePlot* plot_ = nullptr;
    QListWidget* turns_ = nullptr;
    QLabel* board_ = nullptr;
    QLabel* turnText_ = nullptr;
};

} // namespace vh::app
