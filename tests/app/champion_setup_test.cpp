#include "app/option_sheet.h"
#include "players/champion_file.h"
#include "players/player_store.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace vh::test {
namespace {

class ChampionSetupTest : public AppFixture {
protected:
    ChampionSetupTest() {
        std::filesystem::copy_file(std::filesystem::path(VARNHOLT_SOURCE_DIR) / "data/Champion.dat",
                                   directory_ / "Data/Champion.dat");
        PlayerRecord ann;
        ann.name = "Ann";
        store_.addPlayer(std::move(ann));
        store_.savePlayers();
        GameSettings settings;
        settings.playerName = {"Ann", "Nobody"};
        settings.playerIsComputer = {0, 1};
        saveSettings(settings);
    }

    PlayerStore store_;
};

TEST_F(ChampionSetupTest, TheChampionIsListedAfterTheTenAndChosenByItsName) {
    const ComputerProfile profile = readChampionFile(championFilePath()).value();
    const std::string& champion = profile.name;
    const auto sheet = app::makeNewGameSheet(store_, nullptr);
    sheet->show();
    QApplication::processEvents();
    auto* names = sheet->findChild<QComboBox*>("playerName1");
    ASSERT_NE(names, nullptr);
    ASSERT_EQ(names->count(), 11);
    EXPECT_TRUE(names->itemText(10).startsWith(QString::fromStdString(champion + " (")));
    names->setCurrentIndex(10);
    QApplication::processEvents();
    bool described = false;
    for (const QLabel* label : sheet->findChildren<QLabel*>()) {
        described = described || label->text().toStdString() == profile.description;
    }
    EXPECT_TRUE(described) << "the preview shows the champion";
    sheet->findChild<QPushButton*>("ok")->click();
    GameSettings written;
    loadSettings(written);
    EXPECT_EQ(written.playerName[1], champion);
    EXPECT_EQ(written.playerIsComputer[1], 1);
}

} // namespace
} // namespace vh::test
