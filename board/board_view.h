#pragma once

#include "board/board_layout.h"
#include "board/board_theme.h"
#include "board/checker_stage.h"
#include "board/coverage_mask.h"
#include "board/surface.h"
#include "board/transparent_surface.h"
#include "rules/board_record.h"
#include "settings/game_settings.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

namespace vh {

// Draws the game's board: composes the whole board from the board record
// into buffer B (frame, marble field, point numbers, points, tray fills,
// highlight outlines, bevels, checkers with the counts of tall stacks, cube),
// copies it to buffer A, and shows buffer A in the window. A moving checker
// is drawn on buffer A over buffer B's board, touching only its dirty
// rectangle.
//
// Coordinates are board coordinates (0, 0 at the board's top left corner)
// unless said otherwise. The window is a pixel buffer of the main window's
// board area that the view copies into when one is attached; without one
// the view only draws into its buffers (the window shows buffer A itself).
class BoardView final : public CheckerStage {
public:
    // Refreshes `settings` from the option file.
    using SettingsLoader = std::function<void(GameSettings&)>;

    // `board` is the game's board record, owned by the game manager. Pictures
    // come from `programDirectory`/Graphics; options from `loader`, by
    // default the program's settings file. Reads the options once.
    explicit BoardView(BoardRecord& board, std::filesystem::path programDirectory,
                       SettingsLoader loader = {});

    // Places the board at `rectangle` of the window: reloads the options,
    // works out the layout, makes both buffers and (re)loads every picture.
    // A rectangle too small for the layout keeps the previous layout.
    void Layout(const Rect& rectangle);
    // Composes buffer B and copies it onto buffer A.
    void Compose();
    // Composes and copies buffer A to the window at the board's place.
    void Render();

    Rect LocationRect(int location) const;
    Rect SlotRect(int location, int index) const;
    // Clears every highlight flag; renders when one was set.
    void ClearHighlights();
    // Takes the top checker off a location (its count drops by one) and
    // renders; returns the slot it lay in, where the moving checker starts.
    Rect LiftChecker(int location);
    // Puts a checker of `side` on a location, hitting a single opposing
    // checker there, and renders.
    void PlaceChecker(int location, int side);
    // Draws the moving checker of `side` with its upper left corner at
    // (x, y) and copies the union of its old and new places to the window;
    // returns that dirty rectangle. The same place twice draws nothing and
    // returns the same rectangle.
    Rect DrawMovingChecker(int x, int y, int side);

    // The window the view copies into (not owned; nullptr for none), and who
    // is told which area of it changed after each copy (window coordinates).
    void attachWindow(PixelImage* window) { window_ = window; }
    void onWindowChanged(std::function<void(const Rect&)> changed) {
        windowChanged_ = std::move(changed);
    }
    const PixelImage& frontBuffer() const { return bufferA_.picture(); } // buffer A
    const PixelImage& backBuffer() const { return bufferB_.picture(); }  // buffer B
    // The board's rectangle in the window, and its layout (nothing before
    // the first layout that fitted).
    const Rect& rectangle() const { return rectangle_; }
    const std::optional<BoardLayout>& layout() const { return layout_; }
    const GameSettings& settings() const { return settings_; }
    const BoardPictures& pictures() const { return pictures_; }
    int cubePicture() const { return cubePictureIndex(board_.cubeValue); }

    // The stage the stone animation and the mouse drive.
    BoardRecord& board() override { return board_; }
    Rect slotRect(int location, int index) const override { return SlotRect(location, index); }
    Rect locationRect(int location) const override { return LocationRect(location); }
    void render() override { Render(); }
    void startMovingChecker(const Rect& slot) override;
    Rect drawMovingChecker(int x, int y, int side) override {
        return DrawMovingChecker(x, y, side);
    }

private:
    void prepareLayer();
    void scalePictures();
    void drawPointNumbers(PixelImage& image) const;
    void drawPoints(PixelImage& image) const;
    void drawHighlights(PixelImage& image) const;
    void drawBevels(PixelImage& image) const;
    void drawCheckers(PixelImage& image) const;
    void drawStack(PixelImage& image, int location, int side) const;
    void drawCube(PixelImage& image) const;
    int pointLeft(int location) const { return LocationRect(location).left; }
    void copyToWindow(const Rect& area);

    BoardRecord& board_;
    CSurface bufferA_;
    CSurface bufferB_;
    BoardPictures pictures_;
    Rgb highlightColour1_ = kHighlightGreen;
    Rgb highlightColour2_ = kHighlightYellow;
    Rect rectangle_;
    std::optional<BoardLayout> layout_;
    Rect moving_;      // the moving checker's current place
    Rect movingDirty_; // the rectangle last returned as dirty
    GameSettings settings_;
    std::filesystem::path programDirectory_;
    SettingsLoader loader_;
    PixelImage* window_ = nullptr;
    std::function<void(const Rect&)> windowChanged_;

    // Made at each layout, so that a compose is mostly block copies: the
    // board without highlights, checkers and cube; the pictures at the sizes
    // they are drawn; one point's triangle outline per row.
    PixelImage boardLayer_;
    std::array<CTransparentSurface, 2> stones_;
    std::array<CTransparentSurface, 2> trayStones_;
    std::array<Rgb, 2> stoneFaces_{}; // the middle of each side's checker, under its count
    std::array<Rgb, 2> traySeams_{};  // between each side's borne-off checkers
    std::array<CSurface, kCubePictureCount> cubeFaces_;
    CoverageMask upperOutline_;
    CoverageMask lowerOutline_;
};

} // namespace vh
