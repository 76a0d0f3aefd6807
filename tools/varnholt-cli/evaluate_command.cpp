#include "ai/evaluation.h"
#include "ai/neural_engine.h"
#include "rules/board_record.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/engine_options.h"
#include "tools/varnholt-cli/neural_options.h"
#include "tools/varnholt-cli/notation.h"

#include <cstdio>
#include <ostream>

namespace vh::cli {
namespace {

std::string fourPlaces(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
    return text;
}

void evaluateWithNetwork(const Arguments& options, const BoardPosition& position, int side,
                         std::ostream& out) {
    const std::string& engine = options.value("--engine");
    const EngineChoice choice = parseEngineOption(engine == "neural" ? "neural:0" : engine);
    if (choice.kind != EngineChoice::Kind::Neural) {
        throw CliError("evaluate --engine takes neural or neural:0, neural:1 or neural:2");
    }
    if (options.has("--param-b")) {
        throw CliError("--param-b is for the classic evaluation");
    }
    BoardRecord board;
    board.position = position;
    const NeuralEngine evaluator(loadNetworkFor(choice, options), choice.plies, board, side, 0);
    const OutcomeChances chances = evaluator.chancesOnRoll(position, side);
    out << "win " << fourPlaces(chances[kWin]) << '\n'
        << "win-gammon " << fourPlaces(chances[kWinGammon]) << '\n'
        << "win-backgammon " << fourPlaces(chances[kWinBackgammon]) << '\n'
        << "lose-gammon " << fourPlaces(chances[kLoseGammon]) << '\n'
        << "lose-backgammon " << fourPlaces(chances[kLoseBackgammon]) << '\n'
        << "equity " << fourPlaces(cubelessEquity(chances)) << '\n';
}

} // namespace

void runEvaluateCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("evaluate", arguments,
                            {{"--position", 1},
                             {"--side", 1},
                             {"--param-b", 1},
                             {"--engine", 1},
                             {"--weights", 1},
                             {"--program-dir", 1}});
    const BoardPosition position = parsePosition(options.value("--position"));
    const int side = parseSide(options.value("--side"));
    if (options.has("--engine")) {
        evaluateWithNetwork(options, position, side, out);
        return;
    }
    if (options.has("--weights")) {
        throw CliError("--weights needs --engine");
    }
    const std::int32_t paramB =
        options.has("--param-b") ? parsePlayParameter(options.value("--param-b"), "param-b") : 0;
    const Evaluation evaluation = evaluate(position, side, paramB);
    out << "race " << evaluation.race << '\n'
        << "safety " << evaluation.safety << '\n'
        << "bear-off " << evaluation.bearOff << '\n'
        << "total " << evaluation.total() << '\n';
}

} // namespace vh::cli
