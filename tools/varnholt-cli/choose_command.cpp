#include "ai/lookahead_engine.h"
#include "platform/random.h"
#include "platform/tick_count.h"
#include "platform/worker_thread.h"
#include "rules/board_record.h"
#include "rules/play_notation.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/batch_cases.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/engine_options.h"
#include "tools/varnholt-cli/notation.h"

#include <ostream>
#include <vector>

namespace vh::cli {
namespace {

struct ChooseSettings {
    EngineParameters parameters;
    std::uint32_t budgetMs = kDefaultBudgetMs;
};

const char* yesNo(bool answer) {
    return answer ? "yes" : "no";
}

// Builds the engine for the case, as the computer player does, and runs its
// search on a worker thread with the search stack.
void chooseFor(const RollCase& rollCase, const ChooseSettings& settings, SearchWorkspace& workspace,
               std::string& report, bool withDoubling) {
    BoardRecord board;
    board.position = rollCase.position;
    board.die1 = rollCase.die1;
    board.die2 = rollCase.die2;
    LookaheadEngine engine(settings.parameters, board, rollCase.side, settings.budgetMs,
                           EngineTask::ChoosePlay, &workspace);
    WorkerThread worker;
    worker.start([&engine] { engine.run(); }, WorkerThread::kSearchStackSize);
    worker.join();
    appendPlay(report, engine.result());
    report += '\n';
    if (withDoubling) {
        report += "offer-double ";
        report += yesNo(engine.shouldOfferDouble(rollCase.position));
        report += "\naccept-double ";
        report += yesNo(engine.acceptDouble(rollCase.position));
        report += '\n';
    }
}

} // namespace

void runChooseCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("choose", arguments,
                            {{"--position", 1},
                             {"--side", 1},
                             {"--dice", 2},
                             {"--strength", 1},
                             {"--param-a", 1},
                             {"--param-b", 1},
                             {"--budget-ms", 1},
                             {"--seed", 1},
                             {"--batch", 1}});
    ChooseSettings settings;
    settings.parameters.strength = parseStrength(options.value("--strength"));
    if (options.has("--param-a")) {
        settings.parameters.evalParamA = parsePlayParameter(options.value("--param-a"), "param-a");
    }
    if (options.has("--param-b")) {
        settings.parameters.evalParamB = parsePlayParameter(options.value("--param-b"), "param-b");
    }
    if (options.has("--budget-ms")) {
        settings.budgetMs = parseBudget(options.value("--budget-ms"));
    }
    const auto seed = options.has("--seed") ? static_cast<std::uint32_t>(parseInteger(
                                                  options.value("--seed"), 0, 4294967295, "seed"))
                                            : tickCount();

    std::vector<RollCase> cases;
    if (options.has("--batch")) {
        for (const char* single : {"--position", "--side", "--dice"}) {
            if (options.has(single)) {
                throw CliError(std::string("--batch reads its cases from the file; drop ") +
                               single);
            }
        }
        cases = readBatchCases(options.value("--batch"));
    } else {
        RollCase single;
        single.position = parsePosition(options.value("--position"));
        single.side = parseSide(options.value("--side"));
        single.die1 = parseDie(options.values("--dice")[0]);
        single.die2 = parseDie(options.values("--dice")[1]);
        cases.push_back(single);
    }

    seedRandom(seed);
    const auto workspace = makeSearchWorkspace();
    std::string report;
    for (const RollCase& rollCase : cases) {
        chooseFor(rollCase, settings, *workspace, report, !options.has("--batch"));
    }
    out << report;
}

} // namespace vh::cli
