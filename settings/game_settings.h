#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vh {

inline constexpr std::size_t kSettingsNameSize = 32;
inline constexpr std::size_t kWallpaperPathSize = 4096;
inline constexpr std::size_t kReservedTextSize = 14;

// Every user option of the game, in the order of Data/Settings.dat, each with
// its default. Texts hold Windows-1252 bytes and fit their fields (at most one
// byte shorter than the field).
struct GameSettings {
    std::int32_t reservedFirst = 0; // kept, no behaviour
    std::array<std::int32_t, 2> playerIsComputer{0, 0};
    std::array<std::string, 2> playerName; // a player record's or a computer profile's name
    std::int32_t useTimer = 0;
    std::int32_t initialMinutes = 0;
    std::int32_t initialSeconds = 0;
    std::int32_t perMoveMinutes = 0;
    std::int32_t perMoveSeconds = 0;
    std::int32_t mouseInputMode = 0; // 0: the human player handles the mouse
    std::int32_t showMovesOnHover = 0;
    std::int32_t completeAnimation = 1;
    std::int32_t animationSpeed = 1; // the slider offers 20 (slowest) to 200
    std::int32_t muteSounds = 0;
    std::int32_t wallpaperMode = 0; // 0 colour, 1 Wallpapers folder, 2 any file
    std::int32_t bgRed = 16;
    std::int32_t bgGreen = 11;
    std::int32_t bgBlue = 218;
    std::string wallpaperPath;
    std::int32_t stretchWallpaper = 0;
    std::string statisticsPlayer; // last player chosen in Game Statistics
    std::array<std::uint8_t, kReservedTextSize> reservedText{}; // kept byte for byte
    std::int32_t startedFlag = 1;
    std::int32_t pipColourA = 0;
    std::int32_t pipColourB = 0xFFFFFF;
    std::int32_t stoneColourA = 1;
    std::int32_t stoneColourB = 2;
    std::int32_t boardWood = 1;
    std::int32_t boardMarble = 2;
    std::int32_t showPipNumbers = 1;
    std::int32_t matchBet = 1; // dollars

    bool operator==(const GameSettings&) const = default;
};

} // namespace vh
