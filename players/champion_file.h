#pragma once

#include "players/computer_profile.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace vh {

// Data/Champion.dat holds one more computer opponent, the champion, in the
// roster's eight-line format (name, age, level text, cash, two play
// parameters, description, separator). The champion plays with the neural
// network whose weights are in Data/Champion.weights. The ten of the roster
// come first: a name that one of them matches is never the champion's.

std::filesystem::path championFilePath();
std::filesystem::path championWeightsPath();

// The profile of a champion file's text (picture not loaded); nothing when
// it does not hold a whole profile.
std::optional<ComputerProfile> championFromText(std::string_view text);
// The same for a file; nothing also when the file is missing.
std::optional<ComputerProfile> readChampionFile(const std::filesystem::path& path);
// The program's champion with its picture, Graphics/<name>.bmp; nothing
// when Data/Champion.dat is missing or incomplete.
std::optional<ComputerProfile> loadChampion();

// True when a computer player called `playerName` is the champion: no
// profile of the ten contains the name, and the champion's does.
bool playsAsChampion(const Roster& roster, const ComputerProfile& champion,
                     std::string_view playerName);

} // namespace vh
