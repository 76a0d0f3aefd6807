#include "match/saved_game.h"
#include "match/stopwatch.h"
#include "platform/text_encoding.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/notation.h"

#include <ostream>

namespace vh::cli {
namespace {

std::string clockText(std::uint32_t milliseconds) {
    const ClockReading reading = readClock(milliseconds);
    return std::to_string(reading.minutes) + (reading.seconds < 10 ? ":0" : ":") +
           std::to_string(reading.seconds);
}

} // namespace

void runOpenCommand(std::span<const std::string> arguments, std::ostream& out) {
    if (arguments.size() != 1 || arguments[0].rfind("--", 0) == 0) {
        throw CliError("'open' needs one saved-game file");
    }
    SavedGame game;
    const SavedGameCheck check = readSavedGameFile(arguments[0], game);
    if (!check.valid) {
        throw CliError(arguments[0] + " cannot be opened as a saved game: " + check.problem);
    }
    for (const SavedPlayer& player : game.players) {
        out << "side " << player.side << ": " << utf8FromWindows1252(player.name) << " ("
            << (player.isComputer == 1 ? "computer" : "human") << ")";
        if (game.timed) {
            out << " clock " << clockText(player.clockMs);
        }
        out << '\n';
    }
    out << "to move: side " << game.currentSide << '\n';
    out << "dice " << game.die1 << ' ' << game.die2 << '\n';
    out << "cube " << game.cubeValue << " owner "
        << (game.cubeOwner >= 0 ? std::to_string(game.cubeOwner) : "-") << '\n';
    if (game.matchLength > 0) {
        out << "match " << game.matchLength << " score " << game.score0 << ' ' << game.score1
            << (game.crawford == 1   ? " crawford"
                : game.crawford == 2 ? " post-crawford"
                                     : "")
            << '\n';
    }
    out << "turns played " << game.turnsPlayed << '\n';
    out << "game time " << clockText(game.gameTimeMs) << '\n';
    out << "timed " << (game.timed ? "yes" : "no");
    if (game.timed) {
        out << " initial " << game.initialSeconds << " s, per move " << game.extraSeconds << " s";
    }
    out << '\n';
    out << "history " << game.history.size() << " turns, cursor " << game.historyCursor << '\n';
    out << "position " << formatPosition(game.position) << '\n';
    out << formatBoardText(game.position);
}

} // namespace vh::cli
