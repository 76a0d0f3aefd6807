#include "app/new_player_dialog.h"
#include "app/option_sheet.h"
#include "app/player_setup_page.h"
#include "app/timer_setup_page.h"
#include "players/champion_file.h"
#include "players/player_store.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace vh::test {
namespace {

class NewGameSheetTest : public AppFixture {
protected:
    NewGameSheetTest() {
        std::filesystem::copy_file(std::filesystem::path(VARNHOLT_SOURCE_DIR) / "data/Champion.dat",
                                   directory_ / "Data/Champion.dat");
        PlayerRecord bea;
        bea.name = "Bea";
        bea.age = 40;
        store_.addPlayer(std::move(bea));
        PlayerRecord ann;
        ann.name = "Ann";
        store_.addPlayer(std::move(ann));
        store_.savePlayers();
        GameSettings settings;
        settings.playerName = {"ann", "Nobody"};
        settings.initialMinutes = 3;
        saveSettings(settings);
    }

    // The New Game sheet, shown with one of its tabs in front.
    std::unique_ptr<app::OptionSheet> openSheet(int tab = 0) {
        auto sheet = app::makeNewGameSheet(store_, matchLength_, nullptr);
        sheet->show();
        child<QTabWidget>(*sheet, nullptr)->setCurrentIndex(tab);
        QApplication::processEvents();
        return sheet;
    }

    PlayerStore store_;
    int matchLength_ = 0;
};

TEST_F(NewGameSheetTest, OpensOnTheOptionsAndPlayWritesTheShownPages) {
    const auto sheet = openSheet();
    auto* name0 = child<QComboBox>(*sheet, "playerName0");
    auto* name1 = child<QComboBox>(*sheet, "playerName1");
    // Loading the store reverses the file's order: Bea, Ann. "ann" selects Ann
    // without regard to case, and a name nobody has selects the first entry.
    ASSERT_EQ(name0->count(), 2);
    EXPECT_EQ(name0->currentText(), "Ann");
    EXPECT_EQ(name1->currentText(), "Bea");

    // The champion is listed last, after the ten opponents and the ladder, with its level.
    const NeuralOpponents neural = readNeuralOpponentsFile(championFilePath());
    ASSERT_FALSE(neural.empty());
    const ComputerProfile& champion = neural.back();
    const int last = 10 + static_cast<int>(neural.size()) - 1;
    child<QComboBox>(*sheet, "playerType1")->setCurrentIndex(1);
    ASSERT_EQ(name1->count(), last + 1);
    EXPECT_TRUE(name1->itemText(last).startsWith(QString::fromStdString(champion.name + " (")));
    name1->setCurrentIndex(last);
    QApplication::processEvents();
    const auto labels = sheet->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
        return label->text().toStdString() == champion.description;
    })) << "the preview shows the champion";
    child<QLineEdit>(*sheet, "matchBet")->setText("25");
    auto* length = child<QComboBox>(*sheet, "matchLength");
    EXPECT_EQ(length->currentText(), "Money Game");
    ASSERT_EQ(length->count(), 26);
    length->setCurrentIndex(5);
    EXPECT_EQ(length->currentText(), "5 points");
    child<QPushButton>(*sheet, "ok")->click();
    EXPECT_EQ(matchLength_, 5);

    const GameSettings written = storedSettings();
    EXPECT_EQ(written.playerIsComputer, (std::array<std::int32_t, 2>{0, 1}));
    EXPECT_EQ(written.playerName[0], "Ann");
    EXPECT_EQ(written.playerName[1], champion.name) << "the bare name, without its level";
    EXPECT_EQ(written.matchBet, 25);
    EXPECT_EQ(written.initialMinutes, 3) << "the timer page was never shown";
}

TEST_F(NewGameSheetTest, TheTimerPageReadsItsNumbersAndCancelWritesNothing) {
    struct Case {
        bool play;
        const char* minutes;
        std::int32_t storedMinutes;
        std::int32_t storedUseTimer;
    };
    for (const Case& c : {Case{true, "12", 12, 1}, Case{true, "", 3, 1}, Case{false, "12", 3, 0}}) {
        GameSettings reset;
        reset.playerName = {"ann", "Nobody"};
        reset.initialMinutes = 3;
        saveSettings(reset);
        const auto sheet = openSheet(1);
        auto* minutes = child<QLineEdit>(*sheet, "initialMinutes");
        EXPECT_FALSE(minutes->isEnabled());
        child<QCheckBox>(*sheet, "useTimer")->setChecked(true);
        EXPECT_TRUE(minutes->isEnabled());
        minutes->setText(c.minutes);
        child<QPushButton>(*sheet, c.play ? "ok" : "cancel")->click();
        EXPECT_EQ(storedSettings().initialMinutes, c.storedMinutes) << c.minutes;
        EXPECT_EQ(storedSettings().useTimer, c.storedUseTimer);
    }
}

TEST_F(NewGameSheetTest, AnEmptyStoreAsksForAPlayerAndFallsBackToAnonymous) {
    std::filesystem::remove(directory_ / "Data/Stats.dat");
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        auto* dialog = qobject_cast<app::NewPlayerDialog*>(QApplication::activeModalWidget());
        asked = dialog != nullptr;
        if (dialog != nullptr) {
            dialog->findChild<QPushButton*>("cancel")->click();
        }
    });
    const auto sheet = openSheet();
    EXPECT_TRUE(asked);
    EXPECT_EQ(child<QComboBox>(*sheet, "playerName0")->currentText(), "Anonymous");
    PlayerStore saved;
    ASSERT_EQ(saved.loadPlayers(), StoreLoad::Read);
    EXPECT_NE(saved.findPlayer("Anonymous"), nullptr);
}

TEST_F(NewGameSheetTest, EachSideIsTitledWithTheColourOfItsCheckers) {
    struct Case {
        std::int32_t stones; // of side 0; side 1 plays black
        const char* first;
        const char* second;
    };
    for (const Case& c : {Case{3, "Player 1 (Red)", "Player 2 (Black)"},
                          Case{1, "Player 1 (White)", "Player 2 (Black)"}}) {
        GameSettings settings;
        settings.stoneColourA = c.stones;
        saveSettings(settings);
        const auto sheet = openSheet();
        EXPECT_EQ(child<QGroupBox>(*sheet, "playerSide0")->title(), c.first);
        EXPECT_EQ(child<QGroupBox>(*sheet, "playerSide1")->title(), c.second);
    }
}

TEST_F(NewGameSheetTest, ANewPlayerNeedsAFreshNameIsSavedAtOnceAndChosenOnItsSide) {
    struct Case {
        const char* name;
        const char* refusal;  // caption of the message, or nullptr when created
        bool firstIsComputer; // then the player is made for Player 2
    };
    const Case cases[] = {{"", "Player Name", false},
                          {"Ann", "Name in use.", false},
                          {"ann", nullptr, false},
                          {"A name far longer than thirty-one characters", nullptr, true}};
    const auto sheet = openSheet();
    const std::array<QComboBox*, 2> names{child<QComboBox>(*sheet, "playerName0"),
                                          child<QComboBox>(*sheet, "playerName1")};
    names[1]->setCurrentText("Ann");
    for (const Case& c : cases) {
        messages_.shown.clear();
        child<QComboBox>(*sheet, "playerType0")->setCurrentIndex(c.firstIsComputer ? 1 : 0);
        const int before = store_.count();
        const std::array<QString, 2> shown{names[0]->currentText(), names[1]->currentText()};
        bool stayedOpen = false;
        onNextDialog([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("name")->setText(c.name);
            dialog.findChild<QPushButton*>("create")->click();
            stayedOpen = dialog.isVisible();
            if (stayedOpen) {
                dialog.reject();
            }
        });
        child<QPushButton>(*sheet, "newHumanPlayer")->click();
        if (c.refusal != nullptr) {
            ASSERT_EQ(messages_.shown.size(), 1u) << c.name;
            EXPECT_EQ(messages_.shown[0].caption, c.refusal);
            EXPECT_EQ(store_.count(), before);
            EXPECT_TRUE(stayedOpen);
            continue;
        }
        EXPECT_TRUE(messages_.shown.empty()) << c.name;
        EXPECT_EQ(store_.count(), before + 1);
        const std::string stored = std::string(c.name).substr(0, 31);
        PlayerStore saved;
        saved.loadPlayers();
        ASSERT_NE(saved.findPlayer(stored), nullptr) << "saved at once: " << c.name;
        EXPECT_EQ(saved.findPlayer(stored)->age, 0);
        EXPECT_EQ(saved.findPlayer(stored)->cash, 100);
        const std::size_t side = c.firstIsComputer ? 1 : 0;
        EXPECT_EQ(names[side]->currentText().toStdString(), stored) << "chosen on its side";
        EXPECT_EQ(names[1 - side]->currentText(), shown[1 - side])
            << "the other side keeps its choice";
        EXPECT_GE(names[1]->findText(QString::fromStdString(stored)), 0)
            << "listed for Player 2 too";
    }
}

} // namespace
} // namespace vh::test
