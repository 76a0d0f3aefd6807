#include "board/board_theme.h"

namespace vh {

std::optional<std::string> frameFileName(int boardWood) {
    if (boardWood == 1) {
        return "Wood for Board Dark.bmp";
    }
    return std::nullopt;
}

std::string fieldFileName(int boardMarble) {
    switch (boardMarble) {
    case 4:
        return "Marble for Board Red and White.bmp";
    case 3:
        return "Marble for Board Light Blue.bmp";
    default:
        return "Marble for Board Dark Blue.bmp";
    }
}

std::optional<std::string> stoneColourName(int stoneColour) {
    switch (stoneColour) {
    case 1:
        return "White";
    case 2:
        return "Black";
    case 3:
        return "Red";
    default:
        return std::nullopt;
    }
}

std::optional<SpriteFileNames> checkerFileNames(int stoneColour) {
    const auto name = stoneColourName(stoneColour);
    if (!name) {
        return std::nullopt;
    }
    return SpriteFileNames{*name + " Stone 50x50.bmp", *name + " Stone 50x50 Mask.bmp"};
}

std::optional<SpriteFileNames> borneOffFileNames(int stoneColour) {
    const auto name = stoneColourName(stoneColour);
    if (!name) {
        return std::nullopt;
    }
    return SpriteFileNames{*name + " Vertical Stone.bmp", *name + " Vertical Stone Mask.bmp"};
}

std::string cubeFileName(int index) {
    return "Double" + std::to_string(index) + ".bmp";
}

int cubePictureIndex(int cubeValue) {
    switch (cubeValue) {
    case 1:
        return 0;
    case 2:
        return 1;
    case 4:
        return 2;
    case 8:
        return 3;
    case 16:
        return 4;
    case 32:
        return 5;
    default:
        return 6;
    }
}

bool cubeHasOwnPicture(int cubeValue) {
    return cubeValue == 64 || cubePictureIndex(cubeValue) != 6;
}

Rgb pointColour(int code) {
    switch (code) {
    case 1:
        return {220, 220, 220};
    case 2:
        return {50, 50, 50};
    case 3:
        return {200, 70, 50};
    case 4:
        return {178, 133, 116};
    default:
        return {18, 115, 122};
    }
}

PipCodes drawnPipCodes(int pipColourA, int pipColourB) {
    if (pipColourA == 0 && pipColourB == 0xFFFFFF) {
        return {4, 5};
    }
    return {pipColourA, pipColourB};
}

Rgb trayColour(int stoneColour) {
    switch (stoneColour) {
    case 3:
        return {255, 0, 0};
    case 1:
        return {255, 255, 255};
    default:
        return {0, 0, 0};
    }
}

void BoardPictures::load(const GameSettings& settings,
                         const std::filesystem::path& graphicsFolder) {
    if (const auto name = frameFileName(settings.boardWood)) {
        frame.Load(graphicsFolder / *name);
    }
    field.Load(graphicsFolder / fieldFileName(settings.boardMarble));
    const std::array<int, 2> colours{settings.stoneColourA, settings.stoneColourB};
    for (std::size_t side = 0; side < 2; ++side) {
        if (const auto names = checkerFileNames(colours[side])) {
            checker[side].Load(graphicsFolder / names->picture, graphicsFolder / names->mask);
        }
        if (const auto names = borneOffFileNames(colours[side])) {
            borneOff[side].Load(graphicsFolder / names->picture, graphicsFolder / names->mask);
        }
    }
    for (int i = 0; i < kCubePictureCount; ++i) {
        cube[static_cast<std::size_t>(i)].Load(graphicsFolder / cubeFileName(i));
    }
}

void BoardPictures::release() {
    frame.Release();
    field.Release();
    for (std::size_t side = 0; side < 2; ++side) {
        checker[side].Release();
        borneOff[side].Release();
    }
    for (CSurface& face : cube) {
        face.Release();
    }
}

} // namespace vh
