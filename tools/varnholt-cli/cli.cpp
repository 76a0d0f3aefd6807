#include "tools/varnholt-cli/cli.h"

#include "platform/message_box.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"

#include <exception>
#include <ostream>

namespace vh::cli {
namespace {

constexpr const char* kUsage =
    R"(usage: varnholt-cli COMMAND [OPTIONS]

Commands:
  plays --position P --side S --dice D1 D2 [--used F0,F1,F2,F3]
      List every legal play of the roll, one a line, then "N plays".
  plays --batch FILE
      Read cases "S D1 D2 | P", one a line, and list the plays of each.
  selfplay --games N [--seed X] [--delay-ms MS]
      Play whole games between two random players; with one game the board
      is shown after every turn.
  stats [--file PATH]
      List every player of the player file (default Data/Stats.dat) with
      games, won, lost, cash and total playing time.
  settings [--file PATH]
      List every field of the settings file (default Data/Settings.dat) as
      "name value"; texts are quoted.
  render --position P --out FILE.png [--size WxH] [--settings FILE]
         [--cube N] [--highlight LIST] [--program-dir DIR]
         [--play PLAY [--frames N]]
      Draw the board as the game window shows it (default size 1024x768, the
      window's board area) into a PNG file. Pictures come from DIR/Graphics
      (default: the folder of varnholt-cli), options from --settings or
      DIR/Data/Settings.dat. LIST is "L" or "L:F" entries separated by commas
      (location L gets highlight flag F, 1 green or 2 yellow, 2 by default).
      With --play the board after the play is drawn; with --frames N as well,
      N frames of the play's animation, FILE-000.png to FILE-(N-1).png.

Position P: 28 integers separated by spaces or commas: points 0..23 (n > 0
is n checkers of side 0, -n is n checkers of side 1), the bar of side 0, the
bar of side 1, borne off by side 0, borne off by side 1; or "start".
Play notation: die:from/to per move, "*" after a hit; 24/25 are the bars,
26/27 the borne-off trays; "-" is a play without moves.
)";

} // namespace

int runCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) {
        err << "varnholt-cli: no command given (try --help)\n";
        return kExitBadInput;
    }
    const std::string& command = arguments.front();
    const auto options = arguments.subspan(1);
    // Messages of the program's core become lines on the error stream.
    HeadlessMessageBoxes messages(err);
    const ScopedMessageBoxes installed(messages);
    try {
        if (command == "--help" || command == "-h" || command == "help") {
            out << kUsage;
        } else if (command == "plays") {
            runPlaysCommand(options, out);
        } else if (command == "selfplay") {
            runSelfplayCommand(options, out);
        } else if (command == "stats") {
            runStatsCommand(options, out);
        } else if (command == "render") {
            runRenderCommand(options, out);
        } else if (command == "settings") {
            runSettingsCommand(options, out, err);
        } else {
            throw CliError("unknown command '" + command + "' (try --help)");
        }
    } catch (const CliError& error) {
        out.flush();
        err << "varnholt-cli: " << error.what() << '\n';
        return kExitBadInput;
    }
    out.flush();
    return kExitOk;
}

} // namespace vh::cli
