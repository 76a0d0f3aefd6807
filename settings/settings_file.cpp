#include "settings/settings_file.h"

#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/file_bytes.h"
#include "platform/program_folders.h"

#include <system_error>

namespace vh {
namespace {

// A settings file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxSettingsFileBytes = 1 << 20;

// Each step reads one field into a fresh copy of the defaults' slot, so a
// field the bytes do not hold whole keeps its default.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::byte> bytes) : reader_(bytes) {}

    void integer(std::int32_t& field) {
        std::int32_t value = 0;
        if (reader_.readInt32(value)) {
            field = value;
            ++fieldsRead_;
        }
    }
    void text(std::string& field, std::size_t size) {
        std::string value;
        if (reader_.readText(value, size)) {
            field = std::move(value);
            ++fieldsRead_;
        }
    }
    void bytes(std::array<std::uint8_t, kReservedTextSize>& field) {
        std::array<std::byte, kReservedTextSize> value{};
        if (reader_.readBytes(value)) {
            for (std::size_t index = 0; index < value.size(); ++index) {
                field[index] = static_cast<std::uint8_t>(value[index]);
            }
            ++fieldsRead_;
        }
    }
    int fieldsRead() const { return fieldsRead_; }

private:
    BinaryReader reader_;
    int fieldsRead_ = 0;
};

} // namespace

std::vector<std::byte> encodeSettings(const GameSettings& s) {
    BinaryWriter out;
    out.writeInt32(s.reservedFirst);
    out.writeInt32(s.playerIsComputer[0]);
    out.writeInt32(s.playerIsComputer[1]);
    out.writeText(s.playerName[0], kSettingsNameSize);
    out.writeText(s.playerName[1], kSettingsNameSize);
    for (const std::int32_t value :
         {s.useTimer, s.initialMinutes, s.initialSeconds, s.perMoveMinutes, s.perMoveSeconds,
          s.mouseInputMode, s.showMovesOnHover, s.completeAnimation, s.animationSpeed, s.muteSounds,
          s.wallpaperMode, s.bgRed, s.bgGreen, s.bgBlue}) {
        out.writeInt32(value);
    }
    out.writeText(s.wallpaperPath, kWallpaperPathSize);
    out.writeInt32(s.stretchWallpaper);
    out.writeText(s.statisticsPlayer, kSettingsNameSize);
    for (const std::uint8_t byte : s.reservedText) {
        out.writeUInt8(byte);
    }
    for (const std::int32_t value :
         {s.startedFlag, s.pipColourA, s.pipColourB, s.stoneColourA, s.stoneColourB, s.boardWood,
          s.boardMarble, s.showPipNumbers, s.matchBet}) {
        out.writeInt32(value);
    }
    return out.take();
}

int decodeSettings(std::span<const std::byte> bytes, GameSettings& s) {
    s = GameSettings{};
    FieldReader in(bytes);
    in.integer(s.reservedFirst);
    in.integer(s.playerIsComputer[0]);
    in.integer(s.playerIsComputer[1]);
    in.text(s.playerName[0], kSettingsNameSize);
    in.text(s.playerName[1], kSettingsNameSize);
    for (std::int32_t* field :
         {&s.useTimer, &s.initialMinutes, &s.initialSeconds, &s.perMoveMinutes, &s.perMoveSeconds,
          &s.mouseInputMode, &s.showMovesOnHover, &s.completeAnimation, &s.animationSpeed,
          &s.muteSounds, &s.wallpaperMode, &s.bgRed, &s.bgGreen, &s.bgBlue}) {
        in.integer(*field);
    }
    in.text(s.wallpaperPath, kWallpaperPathSize);
    in.integer(s.stretchWallpaper);
    in.text(s.statisticsPlayer, kSettingsNameSize);
    in.bytes(s.reservedText);
    for (std::int32_t* field :
         {&s.startedFlag, &s.pipColourA, &s.pipColourB, &s.stoneColourA, &s.stoneColourB,
          &s.boardWood, &s.boardMarble, &s.showPipNumbers, &s.matchBet}) {
        in.integer(*field);
    }
    return in.fieldsRead();
}

std::filesystem::path settingsFilePath() {
    return userPath("Data/Settings.dat");
}

SettingsLoad loadSettingsFile(const std::filesystem::path& path, GameSettings& settings) {
    const FileBytes file = readFileBytes(path, kMaxSettingsFileBytes);
    SettingsLoad load;
    if (file.status != FileReadStatus::Read) {
        settings = GameSettings{};
        load.missing = file.status == FileReadStatus::Missing;
        load.error = file.error;
        return load;
    }
    load.fileRead = true;
    load.fieldsRead = decodeSettings(file.bytes, settings);
    return load;
}

bool saveSettingsFile(const std::filesystem::path& path, const GameSettings& settings,
                      std::string* error) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    return writeFileAtomically(path, encodeSettings(settings), error);
}

void loadSettings(GameSettings& settings) {
    loadSettingsFile(settingsFilePath(), settings);
}

bool saveSettings(const GameSettings& settings, std::string* error) {
    return saveSettingsFile(settingsFilePath(), settings, error);
}

} // namespace vh
