#include "tools/varnholt-cli/cli.h"

#include "platform/message_box.h"
#include "platform/version.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"

#include <exception>
#include <ostream>

namespace vh::cli {
namespace {

constexpr const char* kUsage =
    R"(usage: varnholt-cli COMMAND [OPTIONS]
       varnholt-cli --help | --version

Commands:
  plays --position P --side S --dice D1 D2 [--used F0,F1,F2,F3]
      List every legal play of the roll, one a line, then "N plays".
  plays --batch FILE
      Read cases "S D1 D2 | P", one a line, and list the plays of each.
  selfplay --games N [--seed X] [--delay-ms MS]
      Play whole games between two random players; with one game the board
      is shown after every turn.
  selfplay --games N --strength A B [--seed X] [--budget-ms MS] [--delay-ms MS]
      The same between two computer players of strength A (side 0) and B,
      without a cube; adds the decision count and times.
  evaluate --position P --side S [--param-b B]
      The static evaluation for side S: race, safety, bear-off and total.
  evaluate --position P --side S --engine neural[:0|:1] [--weights FILE]
           [--program-dir DIR]
      The neural network's chances for side S about to roll (win, win-gammon,
      win-backgammon, lose-gammon, lose-backgammon, gammons counting
      backgammons) and its cubeless equity; at 1 ply averaged over the rolls.
  choose --position P --side S --dice D1 D2 --strength N [--param-a A]
         [--param-b B] [--budget-ms MS] [--seed X]
      The computer's play for the roll, then "offer-double yes|no" and
      "accept-double yes|no" for side S in that position.
  choose --batch FILE --strength N [...]
      Read cases "S D1 D2 | P", one a line, and print one chosen play a line.
  choose ... --engine ENGINE [--weights FILE] [--program-dir DIR]
      The same with any engine instead of --strength (and its parameters).
  choose ... --opponent NAME [--program-dir DIR]
      The same as the computer opponent NAME plays: one of the ten, the
      ladder or the champion, the first whose name contains NAME.
  rank --position P --side S --dice D1 D2 [--engine neural:0|neural:1]
       [--weights FILE] [--program-dir DIR]
      Every play of the roll with a distinct resulting position, best first,
      as "equity play" lines (the mover's cubeless equity after the play),
      the play in a player's notation from side S's own side.
  review FILE [--json] [--weights FILE] [--program-dir DIR]
      The coach's review of a saved game from its start: a line per turn
      (side, roll, the play made, the best play, the equity lost, its mark),
      then per side the unforced decisions, equity lost, error rate (per
      thousand), performance rating and its word, mistakes and luck. --json
      prints the same as one JSON object with "sides" and "turns".
  match --a ENGINE --b ENGINE --games N [--seed X] [--cube] [--budget-ms MS]
        [--weights FILE] [--program-dir DIR]
      N money games (N even) in duplicate: every dice sequence twice, A on
      side 0 and then on side 1. Prints wins, gammons and backgammons of each
      engine by side, the median and longest thinking time per play, and last
      "ppg P ci C games N": A's points per game and the half-width of its 95 %
      confidence interval. With --cube the engines double and answer doubles.
  match --a ENGINE --b ENGINE --games N --review [--review-plies P] [...]
      N money games in duplicate without a cube, each reviewed by the coach
      (at P plies, 0 to 2, default 1): a line per game with both engines'
      performance rating so far, then "pr a R decisions D equity-lost E",
      the same for b, and "games N".
  match --a ENGINE --b ENGINE --games N --match-length L [--seed X]
        [--budget-ms MS] [--weights FILE] [--program-dir DIR]
      N matches to L points (1 to 25, N even) in duplicate, with the cube and
      the Crawford rule. Prints A's matches won by side and the games played,
      and last "mwc P ci C matches N": A's share of the matches in percent and
      the half-width of its 95 % confidence interval.
  game --players NAME1 NAME2 [--games N] [--seed X] [--budget-ms MS]
       [--save FILE] [--program-dir DIR]
      Play whole money games, cube and all, between two computer opponents
      of the roster (NAME1 plays side 0); print each result and the totals
      per opponent. --save writes the game after its tenth turn (.vhf).
  open FILE
      Show what a saved game holds, or why it cannot be opened; for a match
      its line "match L score A B", with " crawford" or " post-crawford".
  export FILE.vhf [--out FILE.mat]
      A saved game from its start as .mat text, the form other backgammon
      programs read: to FILE.mat, or printed without --out.
  import FILE.mat [--game N] --out FILE.vhf
      Game N (default 1) of a .mat file, every turn checked against the
      rules, as a saved game that replays it; the other side is to move next.
  posid --position P --side S [--cube N --owner O|- --dice D1 D2]
      The position ID and match ID of the position with side S on roll, as
      "POSITIONID:MATCHID" (a money game in play; the cube centred at 1 and
      the dice not rolled unless given).
  posid --id POSITIONID[:MATCHID]
      The position an ID describes ("position P"), the side on roll, the
      cube and its owner, and the dice and the score when the ID has them.
  met [--length L] [--gammon-percent G]
      The chance in percent that the side needing i points wins against the
      side needing j (row i, column j), before the Crawford game, for 1 to L
      (default 25) away: the program's own table from a gammon rate of G
      percent of the games won (default 20).
  stats [--file PATH]
      List every player of the player file (default the user's
      Data/Stats.dat) with games, won, lost, cash and total playing time.
  settings [--file PATH]
      List every field of the settings file (default the user's
      Data/Settings.dat, or the defaults while there is none) as
      "name value"; texts are quoted.
  render --position P --out FILE.png [--size WxH] [--settings FILE]
         [--cube N] [--highlight LIST] [--program-dir DIR]
         [--play PLAY [--frames N]]
      Draw the board as the game window shows it (default size 1024x768, the
      window's board area) into a PNG file. Pictures come from DIR/Graphics,
      options from --settings or DIR/Data/Settings.dat. Without DIR the
      program's folders are used (see Folders). LIST is "L" or "L:F" entries separated by commas
      (location L gets highlight flag F, 1 green or 2 yellow, 2 by default).
      With --play the board after the play is drawn; with --frames N as well,
      N frames of the play's animation, FILE-000.png to FILE-(N-1).png.

ENGINE: classic:STRENGTH or classic:STRENGTH:A:B (the roster's search with
its two play parameters), neural:0 (the network's best play) or neural:1 (the
best few looked at again over the opponent's replies). The network is read
from --weights, else from Data/Champion.weights of the program directory. In
a match the neural engine plays for the match at its score; with ":money"
added (neural:1:money) it plays as for money at any score, as the classic
search always does. opponent:NAME plays as the computer opponent NAME does
(see choose --opponent), read from the program directory's Data/ files.

Strength: below 1250 a random legal play, from 1250 the best play by the
evaluation, from 1750 a look at every reply. --param-a is the doubling
caution, --param-b scales the safety term. The budget (default 60000 ms)
bounds the thinking time; --seed seeds the dice and the random tier.

Position P: 28 integers separated by spaces or commas: points 0..23 (n > 0
is n checkers of side 0, -n is n checkers of side 1), the bar of side 0, the
bar of side 1, borne off by side 0, borne off by side 1; or "start".
Play notation: die:from/to per move, "*" after a hit; 24/25 are the bars,
26/27 the borne-off trays; "-" is a play without moves.

Folders: the working directory when it holds Data/Computers.dat, else the
folder of varnholt-cli when that does, is the one folder for everything (a
build). An installed varnholt-cli reads the roster, pictures and sounds from
../share/varnholt-backgammon beside its folder and the user's files from
$XDG_DATA_HOME/varnholt-backgammon (default ~/.local/share/varnholt-backgammon).
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
        } else if (command == "--version") {
            out << "varnholt-cli " << programVersion() << '\n';
        } else if (command == "plays") {
            runPlaysCommand(options, out);
        } else if (command == "selfplay") {
            runSelfplayCommand(options, out);
        } else if (command == "game") {
            runGameCommand(options, out);
        } else if (command == "open") {
            runOpenCommand(options, out);
        } else if (command == "stats") {
            runStatsCommand(options, out);
        } else if (command == "render") {
            runRenderCommand(options, out);
        } else if (command == "settings") {
            runSettingsCommand(options, out, err);
        } else if (command == "evaluate") {
            runEvaluateCommand(options, out);
        } else if (command == "choose") {
            runChooseCommand(options, out);
        } else if (command == "rank") {
            runRankCommand(options, out);
        } else if (command == "review") {
            runReviewCommand(options, out);
        } else if (command == "match") {
            runMatchCommand(options, out);
        } else if (command == "posid") {
            runPosidCommand(options, out);
        } else if (command == "met") {
            runMetCommand(options, out);
        } else if (command == "export") {
            runExportCommand(options, out);
        } else if (command == "import") {
            runImportCommand(options, out);
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
