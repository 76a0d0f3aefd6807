#pragma once

#include "players/computer_profile.h"

#include <QImage>
#include <QWidget>
#include <span>
#include <string>

class QLabel;

namespace vh {
class PlayerStore;
}

namespace vh::app {

// The preview of the player chosen for one side on the Player Setup page: the
// photo with cash and age under it, and the description (a label the page
// places beside it).
class PlayerPreview final : public QWidget {
    Q_OBJECT

public:
    explicit PlayerPreview(QWidget* parent);

    // Shows the opponent (one of the ten or of `neural`, Data/Champion.dat's) or the stored
    // player the name list's entry stands for; nothing when it stands for none.
    void showPlayer(bool computer, const std::string& entry, const Roster& roster,
                    const PlayerStore& store, std::span<const ComputerProfile> neural = {});
    QLabel* descriptionLabel() const { return description_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage photo_;
    QString cash_;
    QString age_;
    QLabel* description_ = nullptr;
};

} // namespace vh::app
