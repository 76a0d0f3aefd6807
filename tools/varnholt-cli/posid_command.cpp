#include "match/cube_value.h"
#include "rules/match_id.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/notation.h"

#include <ostream>

namespace vh::cli {
namespace {

constexpr std::int64_t kHighestIdCube = 32768;

void printGame(const BoardPosition& position, const MatchIdFields& fields, std::ostream& out) {
    out << "position " << formatPosition(position) << '\n';
    out << "side " << fields.sideOnRoll << '\n';
    out << "cube " << fields.cubeValue << " owner "
        << (fields.cubeOwner >= 0 ? std::to_string(fields.cubeOwner) : "-") << '\n';
    if (fields.die1 != 0) {
        out << "dice " << fields.die1 << ' ' << fields.die2 << '\n';
    }
    if (fields.matchLength > 0) {
        out << "match " << fields.matchLength << " score " << fields.score0 << ' ' << fields.score1
            << '\n';
    }
}

} // namespace

void runPosidCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("posid", arguments,
                            {{"--position", 1},
                             {"--side", 1},
                             {"--cube", 1},
                             {"--owner", 1},
                             {"--dice", 2},
                             {"--id", 1}});
    if (options.has("--id")) {
        for (const char* single : {"--position", "--side", "--cube", "--owner", "--dice"}) {
            if (options.has(single)) {
                throw CliError(std::string("--id gives the whole game; drop ") + single);
            }
        }
        BoardPosition position;
        MatchIdFields fields;
        std::string error;
        if (!readGameId(options.value("--id"), position, fields, error)) {
            throw CliError("'" + options.value("--id") + "' is not a position ID: " + error);
        }
        printGame(position, fields, out);
        return;
    }
    const BoardPosition position = parsePosition(options.value("--position"));
    MatchIdFields fields;
    fields.sideOnRoll = parseSide(options.value("--side"));
    fields.sideToDecide = fields.sideOnRoll;
    if (options.has("--cube")) {
        fields.cubeValue =
            static_cast<int>(parseInteger(options.value("--cube"), 1, kHighestIdCube, "cube"));
        if (!isCubeValue(fields.cubeValue)) {
            throw CliError("cube " + options.value("--cube") + " is not a power of two");
        }
    }
    if (options.has("--owner") && options.value("--owner") != "-") {
        fields.cubeOwner = parseSide(options.value("--owner"));
    }
    if (options.has("--dice")) {
        fields.die1 = parseDie(options.values("--dice")[0]);
        fields.die2 = parseDie(options.values("--dice")[1]);
    }
    out << gameId(position, fields) << '\n';
}

} // namespace vh::cli
