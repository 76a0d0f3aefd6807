#include "assets/catalogue.h"

#include "assets/bmp.h"
#include "assets/clock.h"
#include "assets/cube.h"
#include "assets/cup.h"
#include "assets/cursors.h"
#include "assets/dice.h"
#include "assets/font.h"
#include "assets/icon.h"
#include "assets/image.h"
#include "assets/logo.h"
#include "assets/marble.h"
#include "assets/png.h"
#include "assets/portraits.h"
#include "assets/sounds.h"
#include "assets/stones.h"
#include "assets/toolbar.h"
#include "assets/wallpapers.h"
#include "assets/wav.h"
#include "assets/wood.h"
#include "platform/atomic_file.h"

#include <array>
#include <chrono>
#include <exception>
#include <memory>
#include <ostream>
#include <utility>

namespace vh::assets {

namespace {

AssetFile soundFile(std::string path, const Sound& sound) {
    return {std::move(path), encodeWav(sound)};
}

AssetFile pictureFile(std::string path, const Image& image) {
    return {std::move(path), encodeBmp(image)};
}

AssetFile pngFile(std::string path, const Canvas& canvas) {
    return {std::move(path), encodePngWithAlpha(canvas)};
}

std::string iconPath(int size) {
    return "Graphics/Icon " + std::to_string(size) + ".png";
}

// "Graphics/X.bmp" and "Graphics/X Mask.bmp".
std::vector<AssetFile> spriteFiles(const std::string& stem, const Sprite& sprite) {
    std::vector<AssetFile> files;
    files.push_back(pictureFile(stem + ".bmp", sprite.picture));
    files.push_back(pictureFile(stem + " Mask.bmp", sprite.mask));
    return files;
}

struct NamedColour {
    StoneColour colour;
    const char* name;
};

constexpr std::array<NamedColour, 3> kStoneColours{{
    {StoneColour::White, "White"},
    {StoneColour::Black, "Black"},
    {StoneColour::Red, "Red"},
}};

} // namespace

std::vector<AssetTask> assetTasks(const AssetInputs& inputs) {
    const auto numbers =
        std::make_shared<const Font>(inputs.fontDirectory / "LiberationSerif-Bold.ttf");
    std::vector<AssetTask> tasks;
    auto add = [&](std::string name, std::function<std::vector<AssetFile>()> make) {
        tasks.push_back({std::move(name), std::move(make)});
    };
    add("Graphics/Wood for Board Dark.bmp", [] {
        return std::vector<AssetFile>{pictureFile(
            "Graphics/Wood for Board Dark.bmp", paintFrameWood(kFrameWoodWidth, kFrameWoodHeight))};
    });
    const std::array<std::pair<MarbleKind, const char*>, 3> marbles{{
        {MarbleKind::RedAndWhite, "Graphics/Marble for Board Red and White.bmp"},
        {MarbleKind::LightBlue, "Graphics/Marble for Board Light Blue.bmp"},
        {MarbleKind::DarkBlue, "Graphics/Marble for Board Dark Blue.bmp"},
    }};
    for (const auto& [kind, path] : marbles) {
        add(path, [kind, path] {
            return std::vector<AssetFile>{
                pictureFile(path, paintMarble(kind, kMarbleWidth, kMarbleHeight))};
        });
    }
    for (const NamedColour& stone : kStoneColours) {
        const std::string flat = std::string("Graphics/") + stone.name + " Stone 50x50";
        add(flat + ".bmp", [=] { return spriteFiles(flat, paintStone(stone.colour)); });
        const std::string edge = std::string("Graphics/") + stone.name + " Vertical Stone";
        add(edge + ".bmp", [=] { return spriteFiles(edge, paintVerticalStone(stone.colour)); });
    }
    for (int i = 0; i < 7; ++i) {
        const std::string path = "Graphics/Double" + std::to_string(i) + ".bmp";
        add(path, [=] {
            return std::vector<AssetFile>{
                pictureFile(path, paintCubeFace(kCubePictureValues[i], *numbers))};
        });
    }
    for (int face = 1; face <= 6; ++face) {
        const std::string path = "Graphics/Die" + std::to_string(face) + ".bmp";
        add(path, [=] { return std::vector<AssetFile>{pictureFile(path, paintDie(face))}; });
    }
    add("Graphics/Dice Cup.bmp", [] { return spriteFiles("Graphics/Dice Cup", paintDiceCup()); });
    add("Graphics/Small Clock.bmp",
        [] { return spriteFiles("Graphics/Small Clock", paintSmallClock()); });
    add("Graphics/Popup Logo.bmp", [=] {
        return std::vector<AssetFile>{
            pictureFile("Graphics/Popup Logo.bmp", paintPopupLogo(*numbers))};
    });
    const std::array<std::pair<PictogramLook, const char*>, 3> toolbarStrips{{
        {PictogramLook::Normal, "Graphics/Toolbar.bmp"},
        {PictogramLook::Hot, "Graphics/Toolbar Hot.bmp"},
        {PictogramLook::Disabled, "Graphics/Toolbar Disabled.bmp"},
    }};
    for (const auto& [look, path] : toolbarStrips) {
        add(path, [look, path] {
            return std::vector<AssetFile>{pictureFile(path, paintToolbarStrip(look))};
        });
    }
    add(iconPath(kIconSizes.front()), [] {
        std::vector<AssetFile> files;
        for (int size : kIconSizes) {
            files.push_back(pngFile(iconPath(size), paintIcon(size)));
        }
        return files;
    });
    add("Graphics/Cursor Hand.png", [] {
        return std::vector<AssetFile>{pngFile("Graphics/Cursor Hand.png", paintHandCursor())};
    });
    add("Graphics/Cursor Grab.png", [] {
        return std::vector<AssetFile>{pngFile("Graphics/Cursor Grab.png", paintGrabCursor())};
    });
    add("Graphics/Human.bmp", [] {
        return std::vector<AssetFile>{pictureFile("Graphics/Human.bmp", paintStandardPhoto())};
    });
    for (const Opponent& opponent : inputs.opponents) {
        const std::string path = "Graphics/" + opponent.name + ".bmp";
        add(path, [=] {
            return std::vector<AssetFile>{
                pictureFile(path, paintPortrait(portraitLookFor(opponent)))};
        });
    }
    const std::array<std::pair<const char*, Image (*)()>, 4> wallpapers{{
        {"Wallpapers/Felt.bmp", paintFeltWallpaper},
        {"Wallpapers/Slate.bmp", paintSlateWallpaper},
        {"Wallpapers/Parquet.bmp", paintParquetWallpaper},
        {"Wallpapers/Leather.bmp", paintLeatherWallpaper},
    }};
    for (const auto& [path, paint] : wallpapers) {
        add(path, [path, paint] { return std::vector<AssetFile>{pictureFile(path, paint())}; });
    }
    for (int variant = 1; variant <= 3; ++variant) {
        const std::string path = "Sounds/Dice" + std::to_string(variant) + ".wav";
        add(path, [=] { return std::vector<AssetFile>{soundFile(path, diceRattle(variant))}; });
    }
    add("Sounds/Win.wav",
        [] { return std::vector<AssetFile>{soundFile("Sounds/Win.wav", winJingle())}; });
    add("Sounds/Lose.wav",
        [] { return std::vector<AssetFile>{soundFile("Sounds/Lose.wav", loseJingle())}; });
    add("Sounds/Startup.wav",
        [] { return std::vector<AssetFile>{soundFile("Sounds/Startup.wav", startupChime())}; });
    return tasks;
}

bool generateAssets(const AssetInputs& inputs, const std::filesystem::path& directory,
                    std::string* error, std::ostream* log) {
    std::vector<AssetTask> tasks;
    try {
        tasks = assetTasks(inputs);
    } catch (const std::exception& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return false;
    }
    for (const AssetTask& task : tasks) {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<AssetFile> files = task.make();
        if (log != nullptr) {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            *log << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()
                 << " ms  " << task.name << '\n';
        }
        for (const AssetFile& file : files) {
            const std::filesystem::path path = directory / file.path;
            std::error_code ignored;
            std::filesystem::create_directories(path.parent_path(), ignored);
            std::string why;
            if (!writeFileAtomically(path, file.bytes, &why)) {
                if (error != nullptr) {
                    *error = path.string() + ": " + why;
                }
                return false;
            }
        }
    }
    return true;
}

} // namespace vh::assets
