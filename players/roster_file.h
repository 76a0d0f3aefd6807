#pragma once

#include "players/computer_profile.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace vh {

// Data/Computers.dat is a text file of exactly ten profiles, eight lines each:
// name, age, level text, cash, evalParamA, evalParamB, description, and a
// separator line. A text line is taken whole (a trailing carriage return
// removed) and cut to its field; an integer skips white space, line breaks
// included, and ignores the rest of its line, and a line without a number
// gives 0. Whatever the text does not reach keeps the profile's default.

// Fills the roster from the text of a roster file (pictures untouched).
// Returns the number of lines read.
int parseRoster(std::string_view text, Roster& roster);

std::filesystem::path rosterFilePath();
// A computer opponent's picture, Graphics/<name>.bmp in the program directory
// (name in Windows-1252 bytes). Nothing for a name that could lead out of
// Graphics/: one holding '/', '\\', "..", or a control character.
std::optional<std::filesystem::path> computerPicturePath(std::string_view name);

// Resets the roster to the defaults and reads the file's texts and numbers;
// false when the file could not be read (the defaults stay).
bool readRosterFile(const std::filesystem::path& path, Roster& roster);
// Loads every profile's picture; each missing one, and each refused by
// computerPicturePath, is reported by its surface.
void loadRosterPictures(Roster& roster);
// Reads the program's Data/Computers.dat and loads the pictures.
void loadRoster(Roster& roster);

} // namespace vh
