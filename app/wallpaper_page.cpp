#include "app/wallpaper_page.h"

#include "app/modal_scope.h"
#include "app/pictures.h"
#include "board/wallpaper.h"
#include "board/wallpaper_choice.h"
#include "platform/list_text.h"
#include "platform/program_folders.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vh::app {

// The 200 x 150 picture of the background the page would set.
class WallpaperPreview final : public QWidget {
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 150;

    WallpaperPreview(const WallpaperPage& page, QWidget* parent) : QWidget(parent), page_(page) {
        setObjectName("wallpaperPreview");
        setFixedSize(kWidth, kHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area(0, 0, kWidth, kHeight);
        if (page_.previewMode_ == 0) {
            painter.setPen(Qt::black);
            painter.setBrush(
                QColor(page_.colour_[0] & 0xFF, page_.colour_[1] & 0xFF, page_.colour_[2] & 0xFF));
            painter.drawRect(area.adjusted(0, 0, -1, -1));
            return;
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QImage picture = wrapImage(page_.picture_.picture());
        if (!picture.isNull()) {
            painter.drawImage(area, picture);
        }
    }

private:
    const WallpaperPage& page_;
};

WallpaperPage::WallpaperPage(QWidget* parent) : OptionPage(Apply::ReloadFirst, parent) {
    auto* group = new QGroupBox("Wallpaper Preview", this);
    preview_ = new WallpaperPreview(*this, group);
    auto* previewLayout = new QVBoxLayout(group);
    previewLayout->addWidget(preview_, 0, Qt::AlignCenter);

    files_ = new QListWidget(this);
    files_->setObjectName("wallpaperFiles");
    auto* fromFile = new QPushButton("Bitmap From File...", this);
    fromFile->setObjectName("bitmapFromFile");
    auto* toColour = new QPushButton("Change to Color", this);
    toColour->setObjectName("changeToColor");
    stretch_ = new QCheckBox("Stretch bitmap to fit window", this);
    stretch_->setObjectName("stretchWallpaper");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fromFile);
    buttons->addWidget(toColour);
    auto* grid = new QGridLayout(this);
    grid->addWidget(group, 0, 0);
    grid->addWidget(files_, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->addWidget(stretch_, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    connect(files_, &QListWidget::currentItemChanged, this, &WallpaperPage::listChosen);
    connect(fromFile, &QPushButton::clicked, this, &WallpaperPage::chooseFile);
    connect(toColour, &QPushButton::clicked, this, &WallpaperPage::chooseColour);
}

void WallpaperPage::load(const GameSettings& settings) {
    const QSignalBlocker quiet(files_);
    files_->clear();
    std::vector<std::string> names = wallpaperFileNames(userThenDataDirectories());
    for (const std::string& name : names) {
        files_->addItem(QString::fromStdString(name));
    }
    mode_ = settings.wallpaperMode;
    colour_ = {settings.bgRed, settings.bgGreen, settings.bgBlue};
    path_ = settings.wallpaperPath;
    previewMode_ = mode_;
    if (mode_ != 0) {
        loadWallpaper(picture_, settings, userThenDataDirectories());
        if (const auto name = wallpaperListName(path_)) {
            const int row = entryBeginningWith(names, *name);
            if (row >= 0) {
                files_->setCurrentRow(row);
            }
        }
    }
    stretch_->setChecked(settings.stretchWallpaper == 1);
    preview_->update();
}

void WallpaperPage::listChosen(QListWidgetItem* current, QListWidgetItem* previous) {
    if (current == nullptr) {
        return;
    }
    const std::string name = current->text().toStdString();
    const std::filesystem::path file =
        firstHolding(userThenDataDirectories(), std::filesystem::path("Wallpapers") / name);
    const std::optional<std::string> path = folderWallpaperPath(name);
    CSurface picture;
    if (path) {
        picture.Load(file);
    } else {
        picture.Refuse(file);
    }
    if (picture.width() <= 0) {
        const QSignalBlocker quiet(files_);
        files_->setCurrentItem(previous);
        if (previous == nullptr) {
            files_->clearSelection();
        }
        return;
    }
    picture_ = std::move(picture);
    previewMode_ = 1;
    mode_ = 1;
    path_ = *path;
    preview_->update();
}

void WallpaperPage::chooseFile() {
    QString file;
    {
        const ModalScope modal;
        file = QFileDialog::getOpenFileName(this, "Bitmap From File", QString(),
                                            "Image Files (*.bmp *.png *.jpg *.jpeg)");
    }
    if (file.isEmpty()) {
        return;
    }
    const std::string chosen = file.toStdString();
    const std::optional<std::string> path = storedWallpaperPath(chosen);
    CSurface picture;
    if (path) {
        picture.Load(chosen);
    } else {
        picture.Refuse(chosen);
    }
    if (picture.width() <= 0) {
        return;
    }
    picture_ = std::move(picture);
    previewMode_ = 2;
    mode_ = 2;
    path_ = *path;
    clearListSelection();
    preview_->update();
}

void WallpaperPage::chooseColour() {
    QColor colour;
    {
        const ModalScope modal;
        colour = QColorDialog::getColor(Qt::white, this, "Color");
    }
    if (!colour.isValid()) {
        return;
    }
    colour_ = {colour.red(), colour.green(), colour.blue()};
    previewMode_ = 0;
    mode_ = 0;
    picture_.Release();
    // So that the picture it shows can be chosen again.
    clearListSelection();
    preview_->update();
}

void WallpaperPage::clearListSelection() {
    const QSignalBlocker quiet(files_);
    files_->setCurrentItem(nullptr);
    files_->clearSelection();
}

void WallpaperPage::store(GameSettings& settings) {
    settings.wallpaperMode = mode_;
    settings.bgRed = colour_[0];
    settings.bgGreen = colour_[1];
    settings.bgBlue = colour_[2];
    settings.wallpaperPath = path_;
    settings.stretchWallpaper = stretch_->isChecked() ? 1 : 0;
}

} // namespace vh::app
