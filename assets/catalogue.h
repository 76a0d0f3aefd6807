#pragma once

#include "assets/opponent_roster.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vh::assets {

// One file of the program directory, e.g. "Graphics/Die1.bmp".
struct AssetFile {
    std::string path;
    std::vector<std::byte> bytes;
};

struct AssetInputs {
    std::vector<Opponent> opponents;     // one portrait each
    std::filesystem::path fontDirectory; // holds the Liberation fonts
};

// One unit of work: a picture, a picture with its mask, the icon at all its
// sizes, or a sound.
struct AssetTask {
    std::string name; // the path of its first file
    std::function<std::vector<AssetFile>()> make;
};

// Every picture and sound the program loads. Throws when a font is missing.
std::vector<AssetTask> assetTasks(const AssetInputs& inputs);

// Makes every file and writes it below `directory` (folders are created).
// Returns false with a message naming the file on the first failure.
// With `log`, each task's name and time in milliseconds is written to it.
bool generateAssets(const AssetInputs& inputs, const std::filesystem::path& directory,
                    std::string* error, std::ostream* log = nullptr);

} // namespace vh::assets
