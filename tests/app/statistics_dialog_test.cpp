#include "app/statistics_dialog.h"
#include "players/player_store.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace vh::test {
namespace {

// Ann has won three games of four against Bob, the last a gammon lost for
// four dollars; Anna has played none.
class StatisticsDialogTest : public AppFixture {
protected:
    StatisticsDialogTest() {
        PlayerStore store;
        PlayerRecord anna;
        anna.name = "Anna";
        store.addPlayer(std::move(anna));
        for (int game = 0; game < 4; ++game) {
            GameResult result;
            result.names = {"Ann", "Bob"};
            result.lost = {game == 3 ? 1 : 0, game == 3 ? 0 : 1};
            result.money = {game == 3 ? -4 : 2, game == 3 ? 4 : -2};
            result.resultKind = game == 3 ? 2 : 1;
            result.day = 3;
            result.month = 2;
            result.year = 2004;
            result.startTime = static_cast<std::uint32_t>((14 + game) * 3600000 + 5 * 60000);
            store.recordGame(result);
        }
        store.savePlayers();
    }

    void openOn(const char* statisticsPlayer, std::optional<std::string> preset = std::nullopt) {
        GameSettings settings;
        settings.statisticsPlayer = statisticsPlayer;
        saveSettings(settings);
        dialog_ = std::make_unique<app::StatisticsDialog>(store_, preset, nullptr);
        dialog_->show();
        players_ = dialog_->findChild<QComboBox*>("players");
        games_ = dialog_->findChild<QTableWidget*>("games");
        ASSERT_NE(players_, nullptr);
        ASSERT_NE(games_, nullptr);
    }

    QString total(const char* line) const { return dialog_->findChild<QLabel*>(line)->text(); }

    QStringList row(int index) const {
        QStringList cells;
        for (int column = 0; column < games_->columnCount(); ++column) {
            cells << games_->item(index, column)->text();
        }
        return cells;
    }

    PlayerStore store_;
    std::unique_ptr<app::StatisticsDialog> dialog_;
    QComboBox* players_ = nullptr;
    QTableWidget* games_ = nullptr;
};

TEST_F(StatisticsDialogTest, ShowsTheGamesAndTotalsOfTheChosenPlayer) {
    struct Case {
        const char* statisticsPlayer;
        std::optional<std::string> preset;
        const char* selected;
        int games;
        const char* won;
    };
    const Case cases[] = {
        {"Ann", std::nullopt, "Ann", 4, "Games Won: 3 (75.00%)"},
        {"Bob", "Ann", "Ann", 4, "Games Won: 3 (75.00%)"},
        {"Bob", std::nullopt, "Bob", 4, "Games Won: 1 (25.00%)"},
        // The list selects by the beginning of the name, the games need the whole name.
        {"an", std::nullopt, "Ann", 0, ""},
        {"Zed", std::nullopt, "", 0, ""},
    };
    for (const Case& c : cases) {
        openOn(c.statisticsPlayer, c.preset);
        EXPECT_EQ(players_->count(), 3);
        EXPECT_EQ(players_->currentText(), c.selected) << c.statisticsPlayer;
        EXPECT_EQ(games_->rowCount(), c.games) << c.statisticsPlayer;
        EXPECT_EQ(total("gamesWon"), c.won) << c.statisticsPlayer;
    }

    openOn("Ann");
    EXPECT_EQ(row(0), (QStringList{"03/03/2004 05:05PM", "Bob", "$-4", "Loss(G)"}));
    EXPECT_EQ(total("cashTotal"), "Cash Total: $102");

    // The keyboard picks the next player; Escape closes and keeps the choice.
    QTest::keyClick(players_, Qt::Key_Down);
    EXPECT_EQ(players_->currentText(), "Anna");
    EXPECT_EQ(games_->rowCount(), 0);
    EXPECT_EQ(total("gamesWon"), "Games Won: 0 (0.00%)");
    EXPECT_EQ(storedSettings().statisticsPlayer, "Ann");
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(storedSettings().statisticsPlayer, "Anna");
}

TEST_F(StatisticsDialogTest, DeletingAPlayerAsksAndSavesAtOnce) {
    struct Case {
        const char* player;
        MessageAnswer answer;
        const char* outcome; // caption of the second message, if any
        std::vector<std::string> left;
        const char* selectedAfter;
        int gamesAfter;
        const char* storedAfter;
    };
    // One after the other, on what the cases before left in the player file.
    const Case cases[] = {
        {"Ann", MessageAnswer::No, nullptr, {"Ann", "Anna", "Bob"}, "Ann", 4, "Ann"},
        {"Ann", MessageAnswer::Yes, "Player Record Deleted", {"Anna", "Bob"}, "Anna", 0, "Anna"},
        {"Bo", MessageAnswer::Yes, "Player Record Not Deleted", {"Anna", "Bob"}, "Bob", 0, "Bo"},
        {"Anna", MessageAnswer::Yes, "Player Record Deleted", {"Bob"}, "Bob", 4, "Bob"},
        {"Bob", MessageAnswer::Yes, "Player Record Deleted", {}, "", 0, ""},
    };
    for (const Case& c : cases) {
        openOn(c.player);
        messages_.shown.clear();
        messages_.answers = {c.answer};
        dialog_->findChild<QPushButton*>("deletePlayer")->click();
        ASSERT_EQ(messages_.shown.size(), c.outcome != nullptr ? 2u : 1u) << c.player;
        EXPECT_EQ(
            messages_.shown[0],
            (Message{"Confirm Player Record Deletion",
                     std::string("Are you sure you want to delete all the game records for ") +
                         c.player + "?",
                     MessageButtons::YesNo}));
        if (c.outcome != nullptr) {
            EXPECT_EQ(messages_.shown[1].caption, c.outcome);
        }
        PlayerStore file;
        file.loadPlayers();
        std::vector<std::string> left;
        for (int index = 0; index < file.count(); ++index) {
            left.push_back(file.playerAt(index)->name);
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, c.left) << c.player;
        EXPECT_EQ(players_->count(), static_cast<int>(c.left.size()));
        EXPECT_EQ(players_->currentText(), c.selectedAfter) << c.player;
        EXPECT_EQ(games_->rowCount(), c.gamesAfter) << c.player;
        dialog_->findChild<QPushButton*>("close")->click();
        EXPECT_EQ(storedSettings().statisticsPlayer, c.storedAfter) << c.player;
    }
}

} // namespace
} // namespace vh::test
