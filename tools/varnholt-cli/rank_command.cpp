#include "ai/neural_engine.h"
#include "coach/analysis.h"
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
    AnalysisRequest request;
    request.position = parsePosition(options.value("--position"));
    request.side = parseSide(options.value("--side"));
    request.die1 = parseDie(options.values("--dice")[0]);
    request.die2 = parseDie(options.values("--dice")[1]);
    const EngineChoice choice =
        parseEngineOption(options.has("--engine") ? options.value("--engine") : "neural:0");
    if (choice.kind != EngineChoice::Kind::Neural) {
        throw CliError("rank --engine takes neural:0, neural:1 or neural:2");
    }
    const auto engine = makeAnalysisEngine(loadNetworkFor(choice, options), request, choice.plies);
    std::string report;
    for (const RankedMove& move : analyse(*engine, request).plays) {
        char equity[32];
        std::snprintf(equity, sizeof equity, "%.4f ", static_cast<double>(move.equity));
        report += equity + move.text + '\n';
    }
    out << report;
}

} // namespace vh::cli
