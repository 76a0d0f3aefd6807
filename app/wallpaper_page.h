#pragma once

#include "app/option_page.h"
#include "board/surface.h"

#include <array>
#include <string>

class QCheckBox;
class QListWidget;
class QListWidgetItem;

namespace vh::app {

// "Wallpaper": the background behind the board, a picture of the Wallpapers
// folder, a picture from any file, or a plain colour, shown in a preview.
// A picture that cannot be loaded changes nothing.
class WallpaperPage final : public OptionPage {
    Q_OBJECT

public:
    explicit WallpaperPage(QWidget* parent);

protected:
    void load(const GameSettings& settings) override;
    void store(GameSettings& settings) override;

private:
    void listChosen(QListWidgetItem* current, QListWidgetItem* previous);
    void chooseFile();
    void chooseColour();
    void clearListSelection();

    QListWidget* files_ = nullptr;
    QCheckBox* stretch_ = nullptr;
    QWidget* preview_ = nullptr;
    // What the page will write.
    std::int32_t mode_ = 0;
    std::array<std::int32_t, 3> colour_{};
    std::string path_; // stored text
    // What the preview shows.
    int previewMode_ = 0; // 0 colour, otherwise the picture
    CSurface picture_;

    friend class WallpaperPreview;
};

} // namespace vh::app
