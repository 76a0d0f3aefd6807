#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vh::cli {

// Each command reads its options and writes its report to `out`; bad input
// throws CliError.
void runPlaysCommand(std::span<const std::string> arguments, std::ostream& out);
void runSelfplayCommand(std::span<const std::string> arguments, std::ostream& out);
void runGameCommand(std::span<const std::string> arguments, std::ostream& out);
void runOpenCommand(std::span<const std::string> arguments, std::ostream& out);
void runStatsCommand(std::span<const std::string> arguments, std::ostream& out);
// Draws the board into a PNG file as the window shows it.
void runRenderCommand(std::span<const std::string> arguments, std::ostream& out);
// Notes that do not stop the command go to `err`.
void runSettingsCommand(std::span<const std::string> arguments, std::ostream& out,
                        std::ostream& err);
void runEvaluateCommand(std::span<const std::string> arguments, std::ostream& out);
void runChooseCommand(std::span<const std::string> arguments, std::ostream& out);
// Every distinct play of a roll, best first by the neural network.
void runRankCommand(std::span<const std::string> arguments, std::ostream& out);
// The coach's review of a saved game, as text or JSON.
void runReviewCommand(std::span<const std::string> arguments, std::ostream& out);
// Money games in duplicate between two engines.
void runMatchCommand(std::span<const std::string> arguments, std::ostream& out);
// A position's ID with its match ID, or the position an ID describes.
void runPosidCommand(std::span<const std::string> arguments, std::ostream& out);
void runMetCommand(std::span<const std::string> arguments, std::ostream& out);
// A saved game as .mat text, and a game of a .mat file as a saved game.
void runExportCommand(std::span<const std::string> arguments, std::ostream& out);
void runImportCommand(std::span<const std::string> arguments, std::ostream& out);

} // namespace vh::cli
