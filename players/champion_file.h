#pragma once

#include "players/computer_profile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vh {

// Data/Champion.dat holds the computer opponents beyond the ten, in the
// roster's eight-line format (name, age, level text, cash, two number lines,
// description, separator), in the order they are listed: first the ladder,
// weakest first, then the champion, last. Every one of them plays with the
// neural network whose weights are in Data/Champion.weights; without the
// weights each plays the classic search at the strength of its cash.
//
// The champion's number lines mean what they mean in the roster (the classic
// search's play parameters). A rung of the ladder is the network weakened:
// its evalParamA is the plies it looks ahead (0 to 2) and its evalParamB the
// error it makes, the standard deviation of a Gaussian error on each play's
// equity, in thousandths of equity (0 to 1000).
//
// The file is read whole or not at all: every profile whole (the last
// separator may be missing), at most ten, nothing but white space after.
// A rung whose numbers are out of range, or whose name contains or is
// contained in another name of the file, is dropped; the others stay.
// The ten of the roster come first: a name that one of them matches is
// never one of these.

// The opponents of a champion file in listing order, the champion last.
using NeuralOpponents = std::vector<ComputerProfile>;

std::filesystem::path championFilePath();
std::filesystem::path championWeightsPath();

// How a rung of the ladder plays; nothing when its numbers are out of range.
struct LadderPlay {
    int plies = 0;
    float equityNoise = 0.0f;
};
std::optional<LadderPlay> ladderPlayOf(const ComputerProfile& rung);

// The opponents of a champion file's text (pictures not loaded); none when
// the text is not a champion file.
NeuralOpponents neuralOpponentsFromText(std::string_view text);
// The same for a file; none also when the file is missing.
NeuralOpponents readNeuralOpponentsFile(const std::filesystem::path& path);
// The program's, from Data/Champion.dat, with their pictures, Graphics/<name>.bmp.
NeuralOpponents loadNeuralOpponents();

// The champion alone, the last of the file's opponents.
std::optional<ComputerProfile> championFromText(std::string_view text);
std::optional<ComputerProfile> readChampionFile(const std::filesystem::path& path);

// The index among `opponents` of the computer player called `playerName`:
// the first whose name contains it, when no profile of the ten does; -1
// when none is.
int neuralOpponentFor(const Roster& roster, std::span<const ComputerProfile> opponents,
                      std::string_view playerName);

// True when a computer player called `playerName` is the champion: no
// profile of the ten contains the name, and the champion's does.
bool playsAsChampion(const Roster& roster, const ComputerProfile& champion,
                     std::string_view playerName);

} // namespace vh
