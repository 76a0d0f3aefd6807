#pragma once

#include "settings/game_settings.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vh {

inline constexpr int kSettingsFieldCount = 32;
inline constexpr std::size_t kSettingsFileSize = 4314;

// The 32 fields in file order, 4314 bytes.
std::vector<std::byte> encodeSettings(const GameSettings& settings);

// Reads the fields in file order, each first set to its default, and stops at
// the first field the bytes do not hold whole. Returns the number of fields
// read (kSettingsFieldCount for a complete file); the rest keep their defaults.
int decodeSettings(std::span<const std::byte> bytes, GameSettings& settings);

// The program directory's Data/Settings.dat.
std::filesystem::path settingsFilePath();

struct SettingsLoad {
    bool fileRead = false; // false: missing or unreadable, every field has its default
    bool missing = false;  // there is no such file
    int fieldsRead = 0;
    std::string error; // why the file could not be read
};

SettingsLoad loadSettingsFile(const std::filesystem::path& path, GameSettings& settings);
// Writes the whole record atomically, creating the folder when missing.
bool saveSettingsFile(const std::filesystem::path& path, const GameSettings& settings,
                      std::string* error = nullptr);

// Refreshes `settings` from Data/Settings.dat: a missing or short file gives
// the defaults for what it does not hold, without a message.
void loadSettings(GameSettings& settings);
// Replaces Data/Settings.dat; a failed save leaves the old file and reports
// only through the result.
bool saveSettings(const GameSettings& settings, std::string* error = nullptr);

} // namespace vh
