#pragma once

#include "board/pixel_image.h"
#include "board/surface.h"
#include "board/transparent_surface.h"
#include "settings/game_settings.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace vh {

// The board's look from the option set: which pictures of Graphics/ it loads
// and which colours it draws itself.

inline constexpr Rgb kHighlightGreen{0, 255, 0};    // highlight flag 1
inline constexpr Rgb kHighlightYellow{255, 255, 0}; // highlight flag 2
inline constexpr Rgb kBevelDark{95, 75, 70};
inline constexpr Rgb kBevelLight{163, 119, 105};
inline constexpr Rgb kPipNumberShadow{195, 150, 135};
inline constexpr Rgb kPipNumberInk{0, 0, 0};
inline constexpr Rgb kCubeInk{33, 18, 15}; // the ink of the cube pictures' numbers

inline constexpr int kCubePictureCount = 7;

// The frame picture's file for `boardWood`; nothing for values other than 1.
std::optional<std::string> frameFileName(int boardWood);
// The marble of the playing field: 4 red and white, 3 light blue, any other
// value dark blue.
std::string fieldFileName(int boardMarble);

// The colour of stone colour code 1 "White", 2 "Black", 3 "Red"; nothing for
// other values.
std::optional<std::string> stoneColourName(int stoneColour);

struct SpriteFileNames {
    std::string picture;
    std::string mask;
};
// A side's checker seen from above and edge-on (borne off), for stone colour
// 1 white, 2 black, 3 red; nothing for other values.
std::optional<SpriteFileNames> checkerFileNames(int stoneColour);
std::optional<SpriteFileNames> borneOffFileNames(int stoneColour);
// "Double0.bmp" ... "Double6.bmp".
std::string cubeFileName(int index);

// The cube picture for a cube value: 1 -> 0, 2 -> 1, 4 -> 2, ... 32 -> 5,
// any other value -> 6 (the 64 face).
int cubePictureIndex(int cubeValue);
// True for the values a cube picture shows: 1 (centred, the 64 face) and
// 2 to 64. The cube shows any other value written on the 64 face.
bool cubeHasOwnPicture(int cubeValue);

// The colour of a point colour code: 1 light grey, 2 dark grey, 3 red,
// 4 orange, any other value green.
Rgb pointColour(int code);

// The colour codes the points are drawn with for a pair of options. The pair
// a fresh install holds (0 and 16777215) belongs to no choice of the Game
// page, which shows it as "Orange and Green Pips"; it is drawn that way (4
// and 5) rather than in one colour for all 24 points. Stored values are kept.
struct PipCodes {
    int first = 0;  // pipColourA
    int second = 0; // pipColourB
};
PipCodes drawnPipCodes(int pipColourA, int pipColourB);

// The borne-off tray's background for a side's stone colour: 3 red, 1 white,
// any other value black.
Rgb trayColour(int stoneColour);

// Every picture of the board.
struct BoardPictures {
    CSurface frame;
    CSurface field;
    std::array<CTransparentSurface, 2> checker; // by side
    std::array<CTransparentSurface, 2> borneOff;
    std::array<CSurface, kCubePictureCount> cube;

    // Loads from `graphicsFolder` in this order: the frame (when chosen), the
    // field, side 0's checker and borne-off checker, side 1's, the seven cube
    // pictures. A file that cannot be loaded is reported by the surface; a
    // choice that selects no picture keeps what the surface held.
    void load(const GameSettings& settings, const std::filesystem::path& graphicsFolder);
    void release();
};

} // namespace vh
