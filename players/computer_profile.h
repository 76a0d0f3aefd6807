#pragma once

#include "board/surface.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vh {

inline constexpr int kRosterSize = 10;
inline constexpr std::size_t kProfileNameSize = 32;
inline constexpr std::size_t kLevelTextSize = 32;
inline constexpr std::size_t kProfileDescriptionSize = 256;

// One computer opponent, as Data/Computers.dat describes it, with the values
// a profile has before (or without) reading. Texts hold Windows-1252 bytes.
struct ComputerProfile {
    CSurface picture;          // Graphics/<name>.bmp
    std::string name = "NAME"; // also the base name of the picture file
    std::int32_t age = 0;
    std::int32_t cash = 100; // sets the playing strength
    std::string levelText;   // shown in parentheses after the name
    std::string description = "DESCRIPTION";
    std::int32_t evalParamA = 0; // caution in doubling decisions
    std::int32_t evalParamB = 0; // scales the blot-safety score of the evaluation
};

// The ten opponents in file order; the index is an opponent's identity.
using Roster = std::array<ComputerProfile, kRosterSize>;

// The last index whose profile name occurs in `text`, or -1: maps an entry of
// the opponent lists back to its profile.
int profileByText(const Roster& roster, std::string_view text);

// The last index whose profile name contains `playerName`, or 0.
int profileForPlayer(const Roster& roster, std::string_view playerName);

// "name (levelText)", the text of an opponent in the opponent lists.
std::string listEntry(const ComputerProfile& profile);

} // namespace vh
