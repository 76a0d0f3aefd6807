#pragma once

#include <QWidget>
#include <vector>

namespace vh::app {

// A line of side 0's winning chances turn by turn, 0 to 100 %, with the
// 50 % line and the chosen turn marked.
class WinChancePlot final : public QWidget {
    Q_OBJECT

public:
    explicit WinChancePlot(QWidget* parent);

    void setChances(std::vector<float> chances, const QString& sideName);
    void setMarkedTurn(int turn);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<float> chances_;
    QString sideName_;
    int marked_ = -1;
};

} // namespace vh::app
