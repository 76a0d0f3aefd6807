#include "ai/neural_engine.h"
#include "rules/board_record.h"
#include "rules/play_notation.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/neural_options.h"
#include "tools/varnholt-cli/notation.h"

#include <cstdio>
#include <ostream>

namespace vh::cli {

void runRankCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("rank", arguments,
                            {{"--position", 1},
                             {"--side", 1},
                             {"--dice", 2},
                             {"--engine", 1},
                             {"--weights", 1},
                             {"--program-dir", 1}});
    BoardRecord board;
    board.position = parsePosition(options.value("--position"));
    const int side = parseSide(options.value("--side"));
    board.die1 = parseDie(options.values("--dice")[0]);
    board.die2 = parseDie(options.values("--dice")[1]);
    const EngineChoice choice =
        parseEngineOption(options.has("--engine") ? options.value("--engine") : "neural:0");
    if (choice.kind != EngineChoice::Kind::Neural) {
        throw CliError("rank --engine takes neural:0 or neural:1");
    }
    NeuralEngine engine(loadNetworkOption(options), choice.plies, board, side, 0x7FFFFFFF);
    std::string report;
    for (const auto& [play, ranked] : engine.rankAllPlays()) {
        char equity[32];
        std::snprintf(equity, sizeof equity, "%.4f ", static_cast<double>(ranked.equity));
        report += equity;
        appendPlay(report, play);
        report += '\n';
    }
    out << report;
}

} // namespace vh::cli
