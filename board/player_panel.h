#pragma once

#include "board/geometry.h"
#include "board/pixel_image.h"
#include "board/surface.h"
#include "board/transparent_surface.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace vh {

inline constexpr Rgb kPanelBackground{25, 25, 125};

// What one player's panel shows.
struct PanelContent {
    std::string name; // as the player holds it (Windows-1252 bytes)
    bool isComputer = false;
    int textColourCode = 0; // the side's stone colour: 1 white, 2 black, other codes red
    std::uint32_t clockMs = 0;
    int pipsToGo = 0;
    bool timed = false;
    bool active = false;    // the side whose turn it is
    bool diceShown = false; // the roll is shown: a human pressed the cup, a computer rolled
    int die1 = 1;           // 1-6; other values show no die
    int die2 = 1;
    std::string matchScore; // "Match to 7: 3 - 5" in a match, empty in a money game
    bool crawford = false;  // the match's Crawford game

    bool operator==(const PanelContent&) const = default;
};

// The colour of the panel's texts for a stone colour code: 1 (white stones)
// white, 2 (black stones) RGB(170, 170, 170), any other code red.
Rgb panelTextColour(int code);

// Draws one player's panel into a pixel buffer: the photo, the name, the pips
// to go, the clock of a timed game, the score of a match ("Crawford" under
// it in the Crawford game) and, on the active panel, the dice cup or
// the dice. The "Offer Double" button is the window's own; nothing is drawn
// where it lies, (20, bottom - 50) to (130, bottom - 10), on a panel at least
// 235 pixels high.
//
// Every position and size is in panel pixels multiplied by `scale`, the
// screen's device pixel ratio (1, 1.25, 2 ...), and rounded: the buffer is the
// panel at physical resolution. Pictures are scaled smoothly once per scale.
class PlayerPanelView {
public:
    // Loads the clock, the dice cup and Die1-Die6 from `graphicsFolder`
    // (missing pictures are reported by their surfaces and left undrawn) and
    // shows the standard photo, Human.bmp of the same folder.
    explicit PlayerPanelView(std::filesystem::path graphicsFolder);

    // The player's photo; an empty path or a file that cannot be opened gives
    // the standard photo without a word.
    void setPhoto(const std::filesystem::path& path);

    // Paints the whole panel over the whole target (the panel's client area).
    void draw(PixelImage& target, const PanelContent& content, float scale);
    // Redraws only the clock text, and only in a timed game whose clock shows
    // another second than last drawn; true when it drew. The window then
    // repaints clockTextRect.
    bool refreshClock(PixelImage& target, const PanelContent& content, float scale);

    // Where the dice cup lies, and whether a press at (x, y) lands on it:
    // strictly inside, so its edges do nothing. Whether the cup is there to
    // press at all is showsCup.
    Rect cupRect(float scale) const;
    bool cupHit(int x, int y, float scale) const;
    // The area the clock text is drawn in, on a panel `panelWidth` wide (in
    // the same scaled pixels).
    Rect clockTextRect(int panelWidth, float scale) const;

    // "(m:ss)", minutes unpadded: (1:05), (10:00).
    static std::string clockText(std::uint32_t ms);
    // An active human's panel shows the cup until the dice are shown, an
    // active computer's nothing until then (its roll waits while its double
    // is answered); an inactive panel shows neither.
    static bool showsCup(const PanelContent& content);
    static bool showsDice(const PanelContent& content);

private:
    // The pictures at the size they are drawn for one scale.
    struct ScaledPictures {
        float scale = 0.0f;
        CSurface photo;
        CTransparentSurface clock;
        CTransparentSurface cup;
        std::array<CSurface, 6> dice;
    };
    const ScaledPictures& picturesFor(float scale);
    void drawClockText(PixelImage& target, const PanelContent& content, float scale) const;

    std::filesystem::path graphicsFolder_;
    CSurface photo_;
    CTransparentSurface clock_;
    CTransparentSurface cup_;
    std::array<CSurface, 6> dice_;
    ScaledPictures scaled_;
    bool scaledValid_ = false;
    std::int64_t lastClockSecond_ = -1;
};

} // namespace vh
