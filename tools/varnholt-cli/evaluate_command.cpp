#include "ai/evaluation.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/engine_options.h"
#include "tools/varnholt-cli/notation.h"

#include <ostream>

namespace vh::cli {

void runEvaluateCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("evaluate", arguments,
                            {{"--position", 1}, {"--side", 1}, {"--param-b", 1}});
    const BoardPosition position = parsePosition(options.value("--position"));
    const int side = parseSide(options.value("--side"));
    const std::int32_t paramB =
        options.has("--param-b") ? parsePlayParameter(options.value("--param-b"), "param-b") : 0;
    const Evaluation evaluation = evaluate(position, side, paramB);
    out << "race " << evaluation.race << '\n'
        << "safety " << evaluation.safety << '\n'
        << "bear-off " << evaluation.bearOff << '\n'
        << "total " << evaluation.total() << '\n';
}

} // namespace vh::cli
