// varnholt-backgammon [FILE.vhf]: the game window, opening a saved game when
// one is named.

#include "app/main_window.h"
#include "app/qt_message_boxes.h"
#include "app/qt_sound_player.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"
#include "platform/sound.h"
#include "platform/version.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kSplashMs = 4000;

constexpr const char* kUsage = "usage: varnholt-backgammon [FILE.vhf]\n"
                               "\n"
                               "Varnholt Backgammon: backgammon against ten computer opponents,\n"
                               "or two humans at one mouse.\n"
                               "\n"
                               "  FILE.vhf    a saved game to open after the start-up picture\n"
                               "  --help      this text\n"
                               "  --version   the program's name and version\n";

} // namespace

int main(int argc, char** argv) {
    std::string file;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("varnholt-backgammon %.*s\n", static_cast<int>(vh::programVersion().size()),
                        vh::programVersion().data());
            return 0;
        }
        if (argv[i][0] == '-' || !file.empty()) {
            std::fprintf(stderr, "varnholt-backgammon: unexpected argument '%s'\n%s", argv[i],
                         kUsage);
            return 2;
        }
        file = argv[i];
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("Varnholt Backgammon");
    QApplication::setApplicationVersion(QString::fromUtf8(
        vh::programVersion().data(), static_cast<qsizetype>(vh::programVersion().size())));
    // The id of the desktop entry, so that the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(VARNHOLT_APP_ID);
    const vh::ProgramFolders folders = vh::resolveProgramFolders(vh::currentFolderClues());
    vh::setProgramFolders(folders);

    vh::app::QtMessageBoxes messageBoxes;
    const vh::ScopedMessageBoxes installedBoxes(messageBoxes);
    if (const std::string problem = vh::prepareUserFolder(folders.user); !problem.empty()) {
        vh::showMessage(vh::kApplicationTitle, problem);
    }
    vh::app::QtSoundPlayer sounds;
    vh::setSoundPlayer(&sounds);

    int result = 0;
    {
        vh::app::MainWindow window;
        messageBoxes.setParent(&window);
        // The size of the screen even where no window manager maximises it.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            window.setGeometry(screen->availableGeometry());
        }
        window.showMaximized();
        window.startUp(kSplashMs, file.empty()); // a file asked for is opened instead
        if (!file.empty()) {
            window.openGameFile(file);
        }
        result = QApplication::exec();
        messageBoxes.setParent(nullptr);
    }
    vh::setSoundPlayer(nullptr);
    return result;
}
