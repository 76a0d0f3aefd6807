#include "app/board_widget.h"
#include "app/notice_overlay.h"
#include "board/board_view.h"
#include "match/autosave.h"
#include "platform/version.h"
#include "players/player_store.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <set>
#include <thread>

namespace vh::test {
namespace {

using app::Command;
using MainWindowTest = AppFixture;

TEST_F(MainWindowTest, AFirstStartPlaysAComputerBrisklyAndAnOldFileKeepsItsOwnSpeed) {
    struct Case {
        std::optional<std::int32_t> stored; // none: no options file yet
        std::int32_t written;
    };
    for (const Case& c : {Case{std::nullopt, 100}, Case{1, 1}, Case{150, 150}}) {
        std::filesystem::remove(settingsFilePath());
        if (c.stored) {
            GameSettings old;
            old.animationSpeed = *c.stored;
            ASSERT_TRUE(saveSettings(old));
        }
        openWindow();
        GameSettings written;
        ASSERT_TRUE(loadSettingsFile(settingsFilePath(), written).fileRead);
        EXPECT_EQ(written.animationSpeed, c.written);
        EXPECT_EQ(written.playerIsComputer[1], c.stored ? 0 : 1);
    }
}

TEST_F(MainWindowTest, WithoutAGameOnlyTheCommandsThatNeedNoneAreOffered) {
    const std::set<Command> needingAGame{
        Command::RestartGame, Command::PauseGame,  Command::ContinueGame,
        Command::SaveGame,    Command::UndoMove,   Command::RedoMove,
        Command::SuggestMove, Command::ForceMove,  Command::ShowBestMoves,
        Command::ReviewGame,  Command::ExportGame, Command::CopyPositionId};
    openWindow();
    for (const app::CommandEntry& entry : app::commandTable()) {
        const bool needsGame = needingAGame.contains(entry.command);
        EXPECT_EQ(enabled(entry.command), !needsGame) << entry.text;
        if (entry.toolbarText != nullptr) {
            const auto* button = window_->findChild<QToolButton*>(
                QString("command%1Button").arg(static_cast<int>(entry.command)));
            ASSERT_NE(button, nullptr) << entry.text;
            EXPECT_EQ(button->isEnabled(), !needsGame) << entry.text;
            EXPECT_EQ(button->size(), QSize(52, 52));
        }
    }
}

TEST_F(MainWindowTest, MenusAndStatusLineFollowTheGame) {
    openWindowOn(humanAgainstComputer());
    window_->runPass();
    EXPECT_EQ(window_->paneText(0), "Game Time 00:00");
    EXPECT_EQ(window_->paneText(1), "Turns Played: 0");
    EXPECT_EQ(window_->paneText(2), "Ann's turn");
    // Which commands a state offers is the game's business; the window
    // follows it.
    EXPECT_TRUE(enabled(Command::PauseGame));
    EXPECT_FALSE(enabled(Command::ContinueGame));
    window_->action(Command::PauseGame)->trigger();
    window_->runPass();
    EXPECT_EQ(window_->game()->state(), GameState::Paused);
    EXPECT_TRUE(enabled(Command::ContinueGame));
    EXPECT_FALSE(enabled(Command::PauseGame));
    clickDiceCup();
    EXPECT_FALSE(window_->game()->isRevealingDice()) << "the cup does nothing while paused";
    window_->action(Command::ContinueGame)->trigger();
    window_->runPass();
    EXPECT_EQ(window_->game()->state(), GameState::Playing);
    EXPECT_TRUE(enabled(Command::PauseGame));
    clickDiceCup();
    EXPECT_TRUE(window_->game()->isRevealingDice());
}

// Ann (side 0, human) bears off her last checker; the opponent has borne
// off nothing and waits far from home: a gammon.
SavedGame annBearsOffHerLastChecker() {
    SavedGame game = humanAgainstComputer(2, 1);
    game.position = positionFromSignedCounts(
        {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -5, -5, -5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14, 0});
    return game;
}

TEST_F(MainWindowTest, AFinishedGameIsClosedAndAnotherOneOffered) {
    openWindowOn(annBearsOffHerLastChecker());
    pressDiceCup();
    drag(0, 26);
    messages_.answers = {MessageAnswer::No}; // no other game
    QString statisticsOn;
    onNextDialog([&statisticsOn](QDialog& dialog) {
        statisticsOn = dialog.findChild<QComboBox*>("players")->currentText();
        EXPECT_EQ(dialog.findChild<QLabel*>("gamesWon")->text(), "Games Won: 1 (100.00%)");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    const app::NoticeOverlay* notice = window_->board()->notice();
    passUntil([&] { return notice->isVisible(); });
    EXPECT_EQ(notice->message().caption, "Match Won!");
    passUntil([this] { return window_->game() == nullptr; });
    EXPECT_EQ(statisticsOn, "Ann") << "the statistics open on the human who played";
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown.back(),
              (Message{"New Game", "Would you like to play another game?", MessageButtons::YesNo}));
    for (int pane = 0; pane < 3; ++pane) {
        EXPECT_TRUE(window_->paneText(pane).isEmpty());
    }
    EXPECT_TRUE(enabled(Command::NewGame));
    EXPECT_FALSE(enabled(Command::RestartGame));
    EXPECT_FALSE(window_->board()->findChild<QWidget*>("playerOnePanel")->isVisible());
    PlayerStore stored;
    ASSERT_EQ(stored.loadPlayers(), StoreLoad::Read);
    ASSERT_NE(stored.findPlayer("Ann"), nullptr);
    EXPECT_EQ(stored.findPlayer("Ann")->gamesWon, 1);
}

TEST_F(MainWindowTest, OptionCommandsPauseAroundTheirWindowAndReloadTheOptions) {
    using Check = std::function<bool(const app::MainWindow&)>;
    struct Case {
        Command command;
        bool pausedBefore;
        const char* title;
        std::function<void(QDialog&)> use;
        Check reloaded;
    };
    const auto view = [](const app::MainWindow& w) { return w.board()->view()->settings(); };
    const auto game = [](const app::MainWindow& w) { return w.game()->settings(); };
    const Case cases[] = {
        {Command::ViewStatistics, false, "Game Statistics", [](QDialog&) {}, nullptr},
        {Command::GameSettings, false, "Board Settings",
         [](QDialog& d) { d.findChild<QCheckBox*>("showPipNumbers")->setChecked(false); },
         [&](const app::MainWindow& w) {
             return view(w).showPipNumbers == 0 && game(w).showPipNumbers == 0;
         }},
        // The game keeps its own copy; the board shows the new colours.
        {Command::GraphicsSettings, false, "Graphics Settings",
         [](QDialog& d) { d.findChild<QComboBox*>("stoneColours")->setCurrentIndex(1); },
         [&](const app::MainWindow& w) {
             return view(w).stoneColourA == 3 && game(w).stoneColourA == 1 &&
                    w.settings().stoneColourA == 3;
         }},
        {Command::SoundSettings, true, "Sound Settings",
         [](QDialog& d) { d.findChild<QCheckBox*>("muteSounds")->setChecked(true); },
         [&](const app::MainWindow& w) {
             return game(w).muteSounds == 1 && w.settings().muteSounds == 1;
         }},
        {Command::About, false, "About Varnholt Backgammon",
         [](QDialog& d) {
             const QString text = d.findChild<QLabel*>("aboutText")->text();
             EXPECT_TRUE(text.contains("MIT License")) << text.toStdString();
             EXPECT_TRUE(text.contains(QString::fromStdString(std::string(programVersion()))));
         },
         nullptr},
    };
    for (const Case& c : cases) {
        saveSettings(GameSettings{});
        openWindowOn(humanAgainstComputer());
        if (c.pausedBefore) {
            window_->action(Command::PauseGame)->trigger();
        }
        QString title;
        GameState during = GameState::Playing;
        onNextDialog([&](QDialog& dialog) {
            title = dialog.windowTitle();
            during = window_->game()->state();
            c.use(dialog);
            auto* ok = dialog.findChild<QPushButton*>("ok");
            (ok != nullptr ? ok : dialog.findChild<QPushButton*>("close"))->click();
        });
        window_->action(c.command)->trigger();
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(during, GameState::Paused) << c.title;
        EXPECT_EQ(window_->game()->state(), GameState::Playing) << c.title;
        EXPECT_TRUE(!c.reloaded || c.reloaded(*window_)) << c.title;
    }
}

TEST_F(MainWindowTest, ClosingAsksOnlyDuringAGameAndFilesNoUnfinishedGame) {
    struct Case {
        bool withGame;
        MessageAnswer answer;
        bool closes;
    };
    for (const Case& c :
         {Case{false, MessageAnswer::Yes, true}, Case{true, MessageAnswer::No, false},
          Case{true, MessageAnswer::Yes, true}}) {
        std::filesystem::remove(settingsFilePath());
        messages_.shown.clear();
        messages_.answers = {c.answer};
        openWindow();
        std::filesystem::remove(settingsFilePath());
        if (c.withGame) {
            openSaved(humanAgainstComputer());
        }
        EXPECT_EQ(window_->close(), c.closes);
        EXPECT_EQ(messages_.shown.size(), c.withGame ? 1u : 0u);
        if (c.withGame) {
            EXPECT_EQ(messages_.shown[0].caption, "Game In Progress");
        }
        EXPECT_EQ(std::filesystem::exists(settingsFilePath()), c.closes);
        EXPECT_EQ(window_->game() != nullptr, c.withGame && !c.closes);
        if (c.closes) {
            PlayerStore stored;
            stored.loadPlayers();
            EXPECT_EQ(stored.findPlayer("Ann"), nullptr) << "an unfinished game files nothing";
        }
    }
}

TEST_F(MainWindowTest, AGameLeftByQuittingIsOfferedAtTheNextStartAndNoForgetsIt) {
    openWindowOn(humanAgainstComputer(6, 1));
    pressDiceCup();
    drag(12, 5);
    passUntil([this] { return window_->game()->currentSide() == 0; });
    const BoardPosition left = window_->game()->board().position;
    const int turns = window_->game()->turnsPlayed();
    messages_.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(window_->close());
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        messages_.shown.clear();
        messages_.answers = {answer};
        openWindow().startUp(0);
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].text, "Resume the unfinished game?");
        if (answer == MessageAnswer::Yes) {
            ASSERT_NE(window_->game(), nullptr);
            EXPECT_TRUE(samePlacement(window_->game()->board().position, left));
            EXPECT_EQ(window_->game()->turnsPlayed(), turns);
        } else {
            EXPECT_EQ(window_->game(), nullptr);
            EXPECT_FALSE(std::filesystem::exists(autosavePath()));
        }
    }
}

TEST_F(MainWindowTest, ANoticeLiesOverTheBoardAndTheGameGoesOnWithoutAnAnswer) {
    // Ann is on the bar and every entry point is closed: "No Move".
    SavedGame blocked = humanAgainstComputer(3, 4);
    blocked.position = positionFromSignedCounts({0, 0, 0, 0, 0,  0,  0,  0,  0,  0,  0, 0, 0,  0,
                                                 0, 0, 0, 0, -2, -2, -2, -2, -2, -2, 1, 0, 14, 3});
    openWindowOn(blocked);
    pressDiceCup();
    const app::NoticeOverlay* notice = window_->board()->notice();
    passUntil([&] { return notice->isVisible(); });
    EXPECT_EQ(notice->message().caption, "No Move");
    EXPECT_EQ(window_->game()->currentSide(), 0) << "the roll stays in sight a moment";
    passUntil([this] { return window_->game()->currentSide() == 1; });
    EXPECT_TRUE(messages_.shown.empty()) << "no box waited for an OK";
}

TEST_F(MainWindowTest, TwoComputersPlayToTheEndUnattended) {
    SavedGame race = humanAgainstComputer(6, 5);
    race.players[0] = {"Greta Holm", 1, 0, 0};
    race.position = positionFromSignedCounts(
        {2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, -2, 0, 0, 12, 12});
    openWindowOn(race);
    messages_.answers = {MessageAnswer::No}; // no other game
    onNextDialog([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    passUntil([this] { return window_->game() == nullptr; });
    ASSERT_EQ(messages_.shown.size(), 1u) << "only the question after the game";
    EXPECT_EQ(messages_.shown[0].caption, "New Game");
}

TEST_F(MainWindowTest, TheRunningGameEndsOnlyWhenAnotherOneHasBeenSetUp) {
    openWindowOn(humanAgainstComputer());
    const GameManager* running = window_->game();
    messages_.answers = {MessageAnswer::Yes}; // quit this game
    QString cancelled;
    cancelNewGameSheet(cancelled);
    window_->action(Command::NewGame)->trigger();
    EXPECT_EQ(cancelled, "New Game");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(window_->game(), running) << "the New Game sheet was cancelled";
    EXPECT_EQ(window_->game()->state(), GameState::Playing);

    window_->openGameFile(directory_ / "missing.vhf");
    EXPECT_EQ(messages_.shown.size(), 2u) << "the file is refused with a message";
    EXPECT_EQ(window_->game(), running);
}

TEST_F(MainWindowTest, WithoutAGameTheBoardOffersANewOrASavedOne) {
    openWindow().startUp(0);
    auto* newGame = child<QPushButton>(*window_->board(), "newGameButton");
    auto* openGame = child<QPushButton>(*window_->board(), "openGameButton");
    ASSERT_TRUE(newGame != nullptr && openGame != nullptr);
    EXPECT_TRUE(newGame->isVisible() && openGame->isVisible());
    QString opened;
    cancelNewGameSheet(opened);
    newGame->click();
    EXPECT_EQ(opened, "New Game");
    openSaved(humanAgainstComputer());
    EXPECT_FALSE(newGame->isVisible() || openGame->isVisible()) << "hidden during a game";
}

TEST_F(MainWindowTest, AWebPageWithoutABrowserIsNamedInAMessage) {
    openWindow(); // the offscreen platform starts no browser
    window_->action(Command::OnlineSupport)->trigger();
    window_->action(Command::VisitWebSite)->trigger();
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[0].caption, "Online Support");
    EXPECT_NE(messages_.shown[0].text.find("/Data/support.html"), std::string::npos);
    EXPECT_EQ(messages_.shown[1].caption, "Visit Web Site");
    EXPECT_NE(messages_.shown[1].text.find("/Data/home.html"), std::string::npos);
}

TEST_F(MainWindowTest, TheGameStandsStillWhileACommandAsksItsQuestion) {
    SavedGame computers = humanAgainstComputer();
    computers.players[0] = {"Greta Holm", 1, 0, 0};
    openWindowOn(computers);
    BoardPosition during;
    messages_.whileOpen = [&](const Message&) {
        const BoardPosition before = window_->game()->board().position;
        for (int i = 0; i < 40; ++i) {
            window_->runPass();
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        during = window_->game()->board().position;
        EXPECT_EQ(during, before);
    };
    messages_.answers = {MessageAnswer::No};
    window_->action(Command::NewGame)->trigger();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text,
              "You're already playing a game.  Quit this game and start another?");
    messages_.whileOpen = nullptr;
    ASSERT_NE(window_->game(), nullptr);
    passUntil([&] { return window_->game()->board().position != during; });
}

} // namespace
} // namespace vh::test
