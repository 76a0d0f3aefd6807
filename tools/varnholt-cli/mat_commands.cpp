#include "match/game_record_of.h"
#include "match/mat_file.h"
#include "match/saved_game.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"

#include <ostream>

namespace vh::cli {
namespace {

// The file named first, then the options.
std::span<const std::string> optionsAfterFile(const std::string& command,
                                              std::span<const std::string> arguments,
                                              const char* what) {
    if (arguments.empty() || arguments[0].rfind("--", 0) == 0) {
        throw CliError("'" + command + "' needs " + what);
    }
    return arguments.subspan(1);
}

} // namespace

void runExportCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("export", optionsAfterFile("export", arguments, "a saved-game file"),
                            {{"--out", 1}});
    const std::string& file = arguments[0];
    SavedGame saved;
    const SavedGameCheck check = readSavedGameFile(file, saved);
    if (!check.valid) {
        throw CliError(file + " cannot be opened as a saved game: " + check.problem);
    }
    const std::optional<GameRecord> record = recordOfSavedGame(saved);
    if (!record) {
        throw CliError(file + " does not lead back to the start position: it has no .mat game");
    }
    if (!options.has("--out")) {
        out << matText(*record);
        return;
    }
    std::string error;
    if (!writeMatFile(options.value("--out"), *record, error)) {
        throw CliError(options.value("--out") + " cannot be written: " + error);
    }
}

void runImportCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("import", optionsAfterFile("import", arguments, "a .mat file"),
                            {{"--game", 1}, {"--out", 1}});
    const std::string& file = arguments[0];
    MatGames games;
    std::string error;
    if (!readMatFile(file, games, error)) {
        throw CliError(file + " cannot be read as games: " + error);
    }
    const auto number =
        options.has("--game") ? parseInteger(options.value("--game"), 1, 100000, "game") : 1;
    if (number > static_cast<std::int64_t>(games.games.size())) {
        throw CliError(file + " has " + std::to_string(games.games.size()) + " games, not " +
                       std::to_string(number));
    }
    const GameRecord& game = games.games[static_cast<std::size_t>(number - 1)];
    if (!writeSavedGameFile(options.value("--out"), savedGameOf(game), error)) {
        throw CliError(options.value("--out") + " cannot be written: " + error);
    }
    out << "game " << number << ": " << game.turns.size() << " turns written to "
        << options.value("--out") << '\n';
}

} // namespace vh::cli
