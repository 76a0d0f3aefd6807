#include "players/champion_file.h"

#include "platform/file_bytes.h"
#include "platform/program_folders.h"
#include "players/roster_file.h"

#include <algorithm>

namespace vh {
namespace {

constexpr std::size_t kMaxChampionFileBytes = 1 << 16;
// A profile is whole once its description line has been read.
constexpr int kProfileLines = 7;

} // namespace

std::filesystem::path championFilePath() {
    return dataPath("Data/Champion.dat");
}

std::filesystem::path championWeightsPath() {
    return dataPath("Data/Champion.weights");
}

std::optional<ComputerProfile> championFromText(std::string_view text) {
    // The roster's reader, for the first of its profiles.
    Roster profiles;
    if (parseRoster(text, profiles) < kProfileLines || profiles.front().name.empty()) {
        return std::nullopt;
    }
    return std::move(profiles.front());
}

std::optional<ComputerProfile> readChampionFile(const std::filesystem::path& path) {
    const FileBytes file = readFileBytes(path, kMaxChampionFileBytes);
    if (file.status != FileReadStatus::Read) {
        return std::nullopt;
    }
    return championFromText(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
}

std::optional<ComputerProfile> loadChampion() {
    std::optional<ComputerProfile> champion = readChampionFile(championFilePath());
    if (champion) {
        if (const auto path = computerPicturePath(champion->name)) {
            champion->picture.Load(*path);
        }
    }
    return champion;
}

bool playsAsChampion(const Roster& roster, const ComputerProfile& champion,
                     std::string_view playerName) {
    const bool rosterMatch = std::any_of(roster.begin(), roster.end(), [&](const auto& profile) {
        return profile.name.find(playerName) != std::string::npos;
    });
    return !rosterMatch && champion.name.find(playerName) != std::string::npos;
}

} // namespace vh
