#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

namespace vh {

// The coach's options, kept beside Data/Settings.dat in Data/Coach.dat:
// "VHC1", then each option as a little-endian int32.
struct CoachSettings {
    bool tutor = false; // warn about doubtful moves, errors and blunders

    bool operator==(const CoachSettings&) const = default;
};

std::vector<std::byte> encodeCoachSettings(const CoachSettings& settings);
// False, with `settings` at its defaults, for bytes that are not such a file.
bool decodeCoachSettings(std::span<const std::byte> bytes, CoachSettings& settings);

std::filesystem::path coachSettingsPath();
// A missing or damaged file gives the defaults.
CoachSettings loadCoachSettings();
bool saveCoachSettings(const CoachSettings& settings);

} // namespace vh
