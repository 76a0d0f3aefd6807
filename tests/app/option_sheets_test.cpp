#include "app/option_sheet.h"
#include "app/sound_settings_dialog.h"
#include "board/bmp_file.h"
#include "board/png_file.h"
#include "board/wallpaper.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <sstream>

namespace vh::test {
namespace {

class OptionSheetsTest : public AppFixture {
protected:
    OptionSheetsTest() {
        base_.playerName = {"Ann", "Bob"};
        base_.matchBet = 9;
        base_.animationSpeed = 1; // below the slider's range
        base_.stoneColourA = 3;
        base_.stoneColourB = 1;
        saveSettings(base_);
    }

    // Shows the dialog, brings a tab to the front, makes the changes, lets
    // another part of the program change the file meanwhile, and presses a button.
    void run(QDialog& dialog, int tab, const std::function<void(QDialog&)>& change,
             const char* button) {
        dialog.show();
        if (auto* tabs = dialog.findChild<QTabWidget*>(); tabs != nullptr && tab > 0) {
            tabs->setCurrentIndex(tab);
        }
        QApplication::processEvents();
        change(dialog);
        GameSettings elsewhere = storedSettings();
        elsewhere.matchBet = 77;
        saveSettings(elsewhere);
        child<QPushButton>(dialog, button)->click();
    }

    GameSettings base_;
};

TEST_F(OptionSheetsTest, EachWindowWritesOnlyTheFieldsOfThePagesShown) {
    using Change = std::function<void(QDialog&)>;
    using Expect = std::function<void(GameSettings&)>;
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> open;
        int tab;
        Change change;
        const char* button;
        bool reloadsFirst; // keeps what others saved while it was open
        Expect expect;
    };
    const auto board = [] { return app::makeBoardSettingsSheet(nullptr); };
    const auto graphics = [] { return app::makeGraphicsSettingsSheet(nullptr); };
    const auto sound = [] { return std::make_unique<app::SoundSettingsDialog>(nullptr); };
    const Change mouse = [](QDialog& d) {
        child<QCheckBox>(d, "showMovesOnHover")->setChecked(true);
        child<QCheckBox>(d, "showPipNumbers")->setChecked(false);
    };
    const Change animation = [](QDialog& d) {
        EXPECT_EQ(child<QSlider>(d, "animationSpeed")->value(), 20) << "slowest end";
        child<QCheckBox>(d, "completeAnimation")->setChecked(false);
    };
    const Change stones = [](QDialog& d) {
        EXPECT_EQ(child<QComboBox>(d, "pipColours")->currentText(), "Orange and Green Pips");
        EXPECT_EQ(child<QComboBox>(d, "stoneColours")->currentText(), "White and Black Stones");
        child<QComboBox>(d, "boardColours")->setCurrentIndex(0);
    };
    const Change mute = [](QDialog& d) { child<QCheckBox>(d, "muteSounds")->setChecked(true); };
    const Case cases[] = {
        {"mouse input only", board, 0, mouse, "ok", true,
         [](GameSettings& s) {
             s.showMovesOnHover = 1;
             s.showPipNumbers = 0;
         }},
        {"animation shown", board, 1, animation, "ok", true,
         [](GameSettings& s) {
             s.completeAnimation = 0;
             s.animationSpeed = 20;
         }},
        {"board cancelled", board, 1, animation, "cancel", true, [](GameSettings&) {}},
        // The stone pair 3/1 shows as white and black but is kept untouched,
        // as is the pip pair 0/16777215.
        {"colour scheme", graphics, 0, stones, "ok", false,
         [](GameSettings& s) {
             s.boardWood = 1;
             s.boardMarble = 4;
         }},
        {"sound", sound, 0, mute, "ok", false, [](GameSettings& s) { s.muteSounds = 1; }},
    };
    for (const Case& c : cases) {
        saveSettings(base_);
        const std::unique_ptr<QDialog> dialog = c.open();
        run(*dialog, c.tab, c.change, c.button);
        GameSettings expected = base_;
        expected.matchBet = c.reloadsFirst ? 77 : base_.matchBet;
        c.expect(expected);
        EXPECT_EQ(storedSettings(), expected) << c.name;
    }
}

// The Wallpaper page over a Wallpapers folder of its own: two pictures of a
// single colour each and a file that is no picture.
class WallpaperPageTest : public OptionSheetsTest {
protected:
    WallpaperPageTest() {
        namespace fs = std::filesystem;
        fs::remove(directory_ / "Wallpapers");
        fs::create_directory(directory_ / "Wallpapers");
        EXPECT_TRUE(saveBmpFile(directory_ / "Wallpapers/Blue.bmp", PixelImage(8, 6, kBlue)));
        EXPECT_TRUE(savePngFile(directory_ / "Wallpapers/sand.png", PixelImage(8, 6, kSand)));
        directory_.write("Wallpapers/Broken.bmp", "BM no picture");
        EXPECT_TRUE(savePngFile(directory_ / "elsewhere.png", PixelImage(8, 6, kSand)));
        directory_.write("elsewhere.jpg", "no picture either");
    }

    static constexpr Rgb kBlue{0, 0, 255};
    static constexpr Rgb kSand{200, 180, 120};
};

TEST_F(WallpaperPageTest, PicturesFilesAndColoursAndWhatFailsChangesNothing) {
    // Steps separated by spaces: "pick:NAME" in the list, "file:PATH" through
    // the file window, "colour" through the colour window, "stretch".
    struct Case {
        std::int32_t mode;
        std::string path;
        const char* selectedOnOpen;
        std::string steps;
        const char* selectedAtEnd;
        std::int32_t writtenMode;
        std::string writtenPath;
        QColor preview;
        std::size_t messages;
    };
    const std::string file = (directory_ / "elsewhere.png").string();
    const std::string broken = (directory_ / "elsewhere.jpg").string();
    const std::string inFolder = (directory_ / "Wallpapers/sand.png").string();
    const std::string blueBmp = "Wallpapers\\Blue.bmp";
    const QColor blue(0, 0, 255);
    const QColor sand(200, 180, 120);
    const QColor chosen(1, 2, 3);
    const Case cases[] = {
        {0, "", "", "colour pick:sand.png", "sand.png", 1, "Wallpapers\\sand.png", sand, 0},
        {1, blueBmp, "Blue.bmp", "stretch", "Blue.bmp", 1, blueBmp, blue, 0},
        {1, "Wallpapers/sand.png", "sand.png", "", "sand.png", 1, "Wallpapers/sand.png", sand, 0},
        {1, blueBmp, "Blue.bmp", "pick:Broken.bmp", "Blue.bmp", 1, blueBmp, blue, 1},
        {0, "", "", "colour file:" + file, "", 2, file, sand, 0},
        // A full path into the folder selects its entry and stays a file of mode 2.
        {2, inFolder, "sand.png", "", "sand.png", 2, inFolder, sand, 0},
        {2, file, "", "file:" + broken, "", 2, file, sand, 1},
        {1, blueBmp, "Blue.bmp", "colour", "", 0, blueBmp, chosen, 0},
    };
    for (const Case& c : cases) {
        GameSettings start = base_;
        start.wallpaperMode = c.mode;
        start.wallpaperPath = c.path;
        saveSettings(start);
        messages_.shown.clear();
        const std::unique_ptr<QDialog> sheet = app::makeGraphicsSettingsSheet(nullptr);
        sheet->show();
        sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
        QApplication::processEvents();
        auto* list = child<QListWidget>(*sheet, "wallpaperFiles");
        ASSERT_EQ(list->count(), 3);
        const auto selected = [list] {
            return list->currentItem() != nullptr ? list->currentItem()->text() : QString();
        };
        EXPECT_EQ(selected(), c.selectedOnOpen) << c.path;
        std::istringstream steps(c.steps);
        for (std::string step; steps >> step;) {
            const std::string argument = step.substr(step.find(':') + 1);
            if (step.starts_with("pick:")) {
                list->setCurrentItem(
                    list->findItems(QString::fromStdString(argument), Qt::MatchExactly).front());
            } else if (step.starts_with("file:")) {
                onNextDialog([&argument](QDialog& dialog) {
                    auto* files = qobject_cast<QFileDialog*>(&dialog);
                    ASSERT_NE(files, nullptr);
                    files->selectFile(QString::fromStdString(argument));
                    dialog.accept();
                });
                child<QPushButton>(*sheet, "bitmapFromFile")->click();
                EXPECT_EQ(selected(), "") << "a file from elsewhere is not in the list";
            } else if (step == "colour") {
                onNextDialog([&chosen](QDialog& dialog) {
                    auto* colours = qobject_cast<QColorDialog*>(&dialog);
                    ASSERT_NE(colours, nullptr);
                    EXPECT_EQ(colours->currentColor(), QColor(Qt::white));
                    colours->setCurrentColor(chosen);
                    colours->accept();
                });
                child<QPushButton>(*sheet, "changeToColor")->click();
            } else {
                child<QCheckBox>(*sheet, "stretchWallpaper")->setChecked(true);
            }
        }
        EXPECT_EQ(selected(), c.selectedAtEnd) << c.path;
        const QImage preview = child<QWidget>(*sheet, "wallpaperPreview")->grab().toImage();
        EXPECT_EQ(QColor(preview.pixel(preview.width() / 2, preview.height() / 2)), c.preview)
            << c.path;
        child<QPushButton>(*sheet, "ok")->click();
        const GameSettings written = storedSettings();
        EXPECT_EQ(written.wallpaperMode, c.writtenMode) << c.path;
        EXPECT_EQ(written.wallpaperPath, c.writtenPath) << c.path;
        EXPECT_EQ(written.stretchWallpaper, c.steps == "stretch" ? 1 : 0);
        EXPECT_EQ(backgroundColour(written),
                  (c.steps.starts_with("colour") ? Rgb{1, 2, 3} : backgroundColour(base_)))
            << c.path;
        EXPECT_EQ(messages_.shown.size(), c.messages) << c.path;
    }
}

// Installed, the user's own Wallpapers folder is listed with the program's;
// a picture of the same name in the user's folder is the one shown.
TEST_F(WallpaperPageTest, ListsTheUsersWallpapersWithTheProgramsOwn) {
    const std::filesystem::path user = directory_ / "user";
    setProgramFolders({directory_.path(), user});
    std::filesystem::create_directories(user / "Wallpapers");
    const Rgb green{0, 160, 0};
    EXPECT_TRUE(saveBmpFile(user / "Wallpapers/Blue.bmp", PixelImage(8, 6, green)));
    EXPECT_TRUE(savePngFile(user / "Wallpapers/mine.png", PixelImage(8, 6, kSand)));
    GameSettings start = base_;
    start.wallpaperMode = 1;
    start.wallpaperPath = "Wallpapers\\Blue.bmp";
    ASSERT_TRUE(saveSettings(start));

    const std::unique_ptr<QDialog> sheet = app::makeGraphicsSettingsSheet(nullptr);
    sheet->show();
    sheet->findChild<QTabWidget*>()->setCurrentIndex(1);
    QApplication::processEvents();
    auto* list = child<QListWidget>(*sheet, "wallpaperFiles");
    EXPECT_EQ(list->count(), 4) << "the program's three and the user's own mine.png";
    const auto previewColour = [&sheet] {
        const QImage preview = child<QWidget>(*sheet, "wallpaperPreview")->grab().toImage();
        return QColor(preview.pixel(preview.width() / 2, preview.height() / 2));
    };
    EXPECT_EQ(previewColour(), QColor(0, 160, 0)) << "the user's Blue.bmp";
    list->setCurrentItem(list->findItems("mine.png", Qt::MatchExactly).front());
    EXPECT_EQ(previewColour(), QColor(200, 180, 120));
    child<QPushButton>(*sheet, "ok")->click();
    EXPECT_EQ(storedSettings().wallpaperPath, "Wallpapers\\mine.png");
    EXPECT_TRUE(std::filesystem::exists(user / "Data/Settings.dat"));
    EXPECT_TRUE(messages_.shown.empty());
}

} // namespace
} // namespace vh::test
