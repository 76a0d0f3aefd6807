#include "players/champion_file.h"

#include "platform/file_bytes.h"
#include "platform/program_folders.h"
#include "players/roster_file.h"

#include <algorithm>

namespace vh {
namespace {

constexpr std::size_t kMaxChampionFileBytes = 1 << 16;
constexpr int kProfileLines = 8;
constexpr int kMaxPlies = 2;
constexpr int kMaxNoiseThousandths = 1000;

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t\r\v\f") == std::string_view::npos;
}

bool namesOverlap(const std::string& a, const std::string& b) {
    return a.find(b) != std::string::npos || b.find(a) != std::string::npos;
}

// How many profiles the text holds when they are all whole; 0 when not.
std::size_t wholeProfiles(int linesRead, const Roster& read) {
    const auto full = static_cast<std::size_t>(linesRead / kProfileLines);
    switch (linesRead % kProfileLines) {
    case 0:
        return full;
    case kProfileLines - 1: // the last separator missing
        return full + 1;
    case 1: // a name line, and the end: white space after the last profile
        return blank(read[full].name) ? full : 0;
    default:
        return 0;
    }
}

} // namespace

std::filesystem::path championFilePath() {
    return dataPath("Data/Champion.dat");
}

std::filesystem::path championWeightsPath() {
    return dataPath("Data/Champion.weights");
}

std::optional<LadderPlay> ladderPlayOf(const ComputerProfile& rung) {
    if (rung.evalParamA < 0 || rung.evalParamA > kMaxPlies || rung.evalParamB < 0 ||
        rung.evalParamB > kMaxNoiseThousandths) {
        return std::nullopt;
    }
    return LadderPlay{rung.evalParamA, static_cast<float>(rung.evalParamB) / 1000.0f};
}

NeuralOpponents neuralOpponentsFromText(std::string_view text) {
    // The roster's reader, for up to as many profiles as the roster holds.
    Roster read;
    const int lines = parseRoster(text, read);
    const std::size_t count = wholeProfiles(lines, read);
    if (count == 0 || read[count - 1].name.empty()) {
        return {};
    }
    NeuralOpponents opponents;
    for (std::size_t index = 0; index < count; ++index) {
        const ComputerProfile& profile = read[index];
        const bool clash =
            std::any_of(read.begin(), read.begin() + static_cast<long>(count),
                        [&](const ComputerProfile& other) {
                            return &other != &profile && namesOverlap(other.name, profile.name);
                        });
        const bool champion = index + 1 == count;
        if (champion || (!profile.name.empty() && !clash && ladderPlayOf(profile))) {
            opponents.push_back(profile);
        }
    }
    return opponents;
}

NeuralOpponents readNeuralOpponentsFile(const std::filesystem::path& path) {
    const FileBytes file = readFileBytes(path, kMaxChampionFileBytes);
    if (file.status != FileReadStatus::Read) {
        return {};
    }
    return neuralOpponentsFromText(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()));
}

NeuralOpponents loadNeuralOpponents() {
    NeuralOpponents opponents = readNeuralOpponentsFile(championFilePath());
    for (ComputerProfile& opponent : opponents) {
        if (const auto path = computerPicturePath(opponent.name)) {
            opponent.picture.Load(*path);
        }
    }
    return opponents;
}

namespace {

std::optional<ComputerProfile> lastOf(NeuralOpponents opponents) {
    if (opponents.empty()) {
        return std::nullopt;
    }
    return std::move(opponents.back());
}

} // namespace

std::optional<ComputerProfile> championFromText(std::string_view text) {
    return lastOf(neuralOpponentsFromText(text));
}

std::optional<ComputerProfile> readChampionFile(const std::filesystem::path& path) {
    return lastOf(readNeuralOpponentsFile(path));
}

int neuralOpponentFor(const Roster& roster, std::span<const ComputerProfile> opponents,
                      std::string_view playerName) {
    const auto contains = [playerName](const ComputerProfile& profile) {
        return profile.name.find(playerName) != std::string::npos;
    };
    if (std::any_of(roster.begin(), roster.end(), contains)) {
        return -1;
    }
    const auto found = std::find_if(opponents.begin(), opponents.end(), contains);
    return found == opponents.end() ? -1 : static_cast<int>(found - opponents.begin());
}

bool playsAsChampion(const Roster& roster, const ComputerProfile& champion,
                     std::string_view playerName) {
    return neuralOpponentFor(roster, std::span(&champion, 1), playerName) == 0;
}

} // namespace vh
