#include "tests/app/app_fixture.h"

#include "app/board_widget.h"
#include "app/player_panel_widget.h"
#include "board/board_view.h"
#include "platform/program_folders.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <thread>

namespace vh::test {

MessageAnswer ScriptedMessageBoxes::show(const Message& message) {
    shown.push_back(message);
    if (whileOpen) {
        whileOpen(message);
    }
    if (message.buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (answers.empty()) {
        return MessageAnswer::Yes;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

AppFixture::AppFixture() {
    namespace fs = std::filesystem;
    fs::create_directories(directory_ / "Data");
    fs::copy_file(fs::path(VARNHOLT_SOURCE_DIR) / "data/Computers.dat",
                  directory_ / "Data/Computers.dat");
    for (const char* folder : {"Graphics", "Sounds", "Wallpapers"}) {
        fs::create_directory_symlink(fs::path(VARNHOLT_PROGRAM_DIR) / folder, directory_ / folder);
    }
    setSoundPlayer(&sounds_);
    dialogWatch_.setInterval(5);
    QObject::connect(&dialogWatch_, &QTimer::timeout, [this] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialogHandler_) {
            return;
        }
        dialogWatch_.stop();
        const auto handle = std::move(dialogHandler_);
        dialogHandler_ = nullptr;
        handle(*dialog);
    });
}

AppFixture::~AppFixture() {
    window_.reset();
    setSoundPlayer(nullptr);
}

app::MainWindow& AppFixture::openWindow() {
    // The window before goes first: each window installs its message boxes
    // over those before it and puts them back when it goes.
    window_.reset();
    window_ = std::make_unique<app::MainWindow>();
    window_->resize(1024, 768);
    window_->show();
    QApplication::processEvents();
    return *window_;
}

void AppFixture::openSaved(const SavedGame& game) {
    const std::filesystem::path file = directory_ / "test.vhf";
    std::string error;
    ASSERT_TRUE(writeSavedGameFile(file, game, error)) << error;
    window_->openGameFile(file);
    ASSERT_NE(window_->game(), nullptr);
}

void AppFixture::openWindowOn(const SavedGame& game) {
    openWindow();
    openSaved(game);
}

void AppFixture::passUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) {
            return;
        }
        window_->runPass();
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    FAIL() << "the window never got there";
}

QPoint AppFixture::locationCentre(int location) const {
    auto* view = dynamic_cast<BoardView*>(&window_->game()->stage());
    const Rect area = view->LocationRect(location);
    const Rect board = view->rectangle();
    const double scale = window_->board()->devicePixelRatioF();
    return {static_cast<int>((board.left + (area.left + area.right) / 2) / scale),
            static_cast<int>((board.top + (area.top + area.bottom) / 2) / scale)};
}

void AppFixture::pressDiceCup() {
    GameManager* game = window_->game();
    const int side = game->currentSide();
    clickDiceCup();
    passUntil([game, side] { return game->panelContent(side).diceShown; });
}

void AppFixture::clickDiceCup() {
    app::PlayerPanelWidget* panel = window_->board()->panel(window_->game()->currentSide());
    const double scale = panel->devicePixelRatioF();
    const Rect cup = panel->cupRect();
    const QPoint centre(static_cast<int>((cup.left + cup.right) / 2 / scale),
                        static_cast<int>((cup.top + cup.bottom) / 2 / scale));
    QTest::mouseClick(panel, Qt::LeftButton, {}, centre);
}

void AppFixture::drag(int from, int to) {
    QWidget* board = window_->board();
    QTest::mousePress(board, Qt::LeftButton, {}, locationCentre(from));
    QTest::mouseMove(board, locationCentre(to));
    QTest::mouseRelease(board, Qt::LeftButton, {}, locationCentre(to));
}

void AppFixture::onNextDialog(std::function<void(QDialog&)> handle) {
    dialogHandler_ = std::move(handle);
    dialogWatch_.start();
}

void AppFixture::cancelNewGameSheet(QString& title) {
    onNextDialog([this, &title](QDialog& newPlayer) { // the store has no human yet
        onNextDialog([&title](QDialog& sheet) {
            title = sheet.windowTitle();
            sheet.reject();
        });
        newPlayer.reject();
    });
}

bool AppFixture::enabled(app::Command command) const {
    return window_->action(command)->isEnabled();
}

GameSettings storedSettings() {
    GameSettings settings;
    loadSettings(settings);
    return settings;
}

SavedGame humanAgainstComputer(int die1, int die2) {
    SavedGame game;
    game.currentSide = 0;
    game.players[0] = {"Ann", 0, 0, 0};
    game.players[1] = {"Milo Finch", 1, 1, 0};
    game.die1 = die1;
    game.die2 = die2;
    setStartPosition(game.position);
    return game;
}

} // namespace vh::test
