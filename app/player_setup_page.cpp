#include "app/player_setup_page.h"

#include "app/modal_scope.h"
#include "app/new_player_dialog.h"
#include "app/player_preview.h"
#include "board/board_theme.h"
#include "platform/text_encoding.h"
#include "players/champion_file.h"
#include "players/player_choice.h"
#include "players/roster_file.h"
#include "rules/match_state.h"
#include "settings/number_text.h"
#include "settings/settings_file.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace vh::app {
namespace {

constexpr int kBetLength = 30;

QString screenText(const std::string& bytes) {
    return QString::fromStdString(utf8FromWindows1252(bytes));
}

std::string storedText(const QString& text) {
    return windows1252FromUtf8(text.toStdString());
}

// "Player 1 (White)": the side named by the colour of its checkers.
QString sideTitle(int side, int stoneColour) {
    const QString player = QString("Player %1").arg(side + 1);
    const std::optional<std::string> colour = stoneColourName(stoneColour);
    return colour ? QString("%1 (%2)").arg(player, QString::fromStdString(*colour)) : player;
}

} // namespace

PlayerSetupPage::PlayerSetupPage(PlayerStore& store, int& matchLength, QWidget* parent)
    : OptionPage(Apply::ReloadFirst, parent), store_(store), matchLength_(matchLength) {
    auto* layout = new QVBoxLayout(this);
    for (int side = 0; side < 2; ++side) {
        const auto index = static_cast<std::size_t>(side);
        auto* group = new QGroupBox(this);
        group->setObjectName(QString("playerSide%1").arg(side));
        groups_[index] = group;
        types_[index] = new QComboBox(group);
        types_[index]->setObjectName(QString("playerType%1").arg(side));
        types_[index]->addItems({"Human", "Computer"});
        names_[index] = new QComboBox(group);
        names_[index]->setObjectName(QString("playerName%1").arg(side));
        names_[index]->setMaxVisibleItems(12);
        // Room for the longest opponent entry, "Professor Aldous Penn (Grandmaster)".
        names_[index]->setMinimumContentsLength(36);
        names_[index]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        previews_[index] = new PlayerPreview(group);
        auto* form = new QFormLayout;
        form->addRow("Player Type:", types_[index]);
        form->addRow("Player Name:", names_[index]);
        auto* right = new QVBoxLayout;
        right->addLayout(form);
        right->addWidget(previews_[index]->descriptionLabel(), 1);
        auto* row = new QHBoxLayout(group);
        row->addWidget(previews_[index]);
        row->addLayout(right, 1);
        layout->addWidget(group);
        connect(types_[index], &QComboBox::currentIndexChanged, this,
                [this, side] { typeChanged(side); });
        connect(names_[index], &QComboBox::currentIndexChanged, this,
                [this, side] { nameChanged(side); });
    }
    auto* newPlayer = new QPushButton("New Human Player...", this);
    newPlayer->setObjectName("newHumanPlayer");
    bet_ = new QLineEdit(this);
    bet_->setObjectName("matchBet");
    bet_->setMaxLength(kBetLength);
    bet_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), bet_));
    length_ = new QComboBox(this);
    length_->setObjectName("matchLength");
    length_->addItem("Money Game");
    for (int points = 1; points <= MatchState::kLongestMatch; ++points) {
        length_->addItem(QString(points == 1 ? "%1 point" : "%1 points").arg(points));
    }
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(newPlayer);
    bottom->addStretch();
    auto* lengthLabel = new QLabel("Match Length:", this);
    lengthLabel->setBuddy(length_);
    bottom->addWidget(lengthLabel);
    bottom->addWidget(length_);
    bottom->addWidget(new QLabel("Match Bet:", this));
    bottom->addWidget(bet_);
    layout->addLayout(bottom);
    connect(newPlayer, &QPushButton::clicked, this, &PlayerSetupPage::createPlayer);
}

void PlayerSetupPage::load(const GameSettings& settings) {
    initialising_ = true;
    loadRoster(roster_);
    neural_ = loadNeuralOpponents();
    store_.loadPlayers();
    if (store_.count() == 0) {
        NewPlayerDialog dialog(store_, this);
        const ModalScope modal;
        dialog.exec();
    }
    addAnonymousPlayerIfEmpty(store_);
    const std::array<int, 2> stoneColours{settings.stoneColourA, settings.stoneColourB};
    for (int side = 0; side < 2; ++side) {
        const auto index = static_cast<std::size_t>(side);
        groups_[index]->setTitle(sideTitle(side, stoneColours[index]));
        const bool computer = settings.playerIsComputer[index] != 0;
        types_[index]->setCurrentIndex(computer ? 1 : 0);
        fillNames(side, computer);
        std::vector<std::string> entries;
        for (int i = 0; i < names_[index]->count(); ++i) {
            entries.push_back(storedText(names_[index]->itemText(i)));
        }
        const int selected = entryForName(entries, settings.playerName[index]);
        names_[index]->setCurrentIndex(selected);
        previews_[index]->showPlayer(computer, storedText(names_[index]->currentText()), roster_,
                                     store_, neural_);
    }
    bet_->setText(QString::number(settings.matchBet));
    length_->setCurrentIndex(std::clamp(matchLength_, 0, MatchState::kLongestMatch));
    initialising_ = false;
}

void PlayerSetupPage::fillNames(int side, bool computer) {
    QComboBox* names = names_[static_cast<std::size_t>(side)];
    const QSignalBlocker quiet(names);
    names->clear();
    const std::vector<std::string> entries = computer ? computerNameEntries(roster_, neural_)
                                                      : playerNameEntries(false, roster_, store_);
    for (const std::string& entry : entries) {
        names->addItem(screenText(entry));
    }
}

bool PlayerSetupPage::isComputer(int side) const {
    return types_[static_cast<std::size_t>(side)]->currentText() == "Computer";
}

void PlayerSetupPage::typeChanged(int side) {
    if (initialising_) {
        return;
    }
    loadSettings(settings_);
    fillNames(side, isComputer(side));
    QComboBox* names = names_[static_cast<std::size_t>(side)];
    if (names->count() > 0) {
        names->setCurrentIndex(0);
    }
    nameChanged(side);
}

void PlayerSetupPage::nameChanged(int side) {
    if (initialising_) {
        return;
    }
    loadSettings(settings_);
    const auto index = static_cast<std::size_t>(side);
    previews_[index]->showPlayer(isComputer(side), storedText(names_[index]->currentText()),
                                 roster_, store_, neural_);
}

void PlayerSetupPage::createPlayer() {
    loadSettings(settings_);
    NewPlayerDialog dialog(store_, this);
    {
        const ModalScope modal;
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    // The new player plays for Player 1, or for Player 2 when only that side
    // is human; the other human side keeps its choice.
    const int side = isComputer(0) && !isComputer(1) ? 1 : 0;
    types_[static_cast<std::size_t>(side)]->setCurrentIndex(0);
    for (int each = 0; each < 2; ++each) {
        if (!isComputer(each)) {
            const QString kept = names_[static_cast<std::size_t>(each)]->currentText();
            showHumanNames(each, each == side ? screenText(dialog.createdName()) : kept);
        }
    }
}

void PlayerSetupPage::showHumanNames(int side, const QString& chosen) {
    QComboBox* names = names_[static_cast<std::size_t>(side)];
    fillNames(side, false);
    {
        const QSignalBlocker quiet(names);
        names->setCurrentIndex(std::max(0, names->findText(chosen)));
    }
    nameChanged(side);
}

void PlayerSetupPage::store(GameSettings& settings) {
    for (int side = 0; side < 2; ++side) {
        const auto index = static_cast<std::size_t>(side);
        const bool computer = isComputer(side);
        settings.playerIsComputer[index] = computer ? 1 : 0;
        const std::string entry = storedText(names_[index]->currentText());
        settings.playerName[index] = computer ? chosenOpponentName(entry, roster_, neural_)
                                              : chosenPlayerName(false, entry, roster_);
    }
    settings.matchBet = leadingInteger(bet_->text().toStdString(), kBetLength).value_or(0);
    matchLength_ = length_->currentIndex();
}

} // namespace vh::app
