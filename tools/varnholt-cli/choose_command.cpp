#include "ai/engine_seat.h"
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
#include "tools/varnholt-cli/neural_options.h"
#include "tools/varnholt-cli/notation.h"
#include "tools/varnholt-cli/program_location.h"

#include <optional>
#include <ostream>
#include <vector>

namespace vh::cli {
namespace {

struct ChooseSettings {
    EngineParameters parameters;
    std::uint32_t budgetMs = kDefaultBudgetMs;
    std::optional<EngineChoice> engine; // --engine instead of --strength
    std::shared_ptr<const NeuralNetwork> network;
};

const char* yesNo(bool answer) {
    return answer ? "yes" : "no";
}

void reportChoice(const SearchEngine& engine, const RollCase& rollCase, std::string& report,
                  bool withDoubling) {
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

// Builds the engine for the case, as the computer player does, and runs its
// search on a worker thread with the search stack.
void chooseFor(const RollCase& rollCase, const ChooseSettings& settings, SearchWorkspace& workspace,
               std::string& report, bool withDoubling) {
    LookaheadEngine engine(settings.parameters, boardFor(rollCase), rollCase.side,
                           settings.budgetMs, EngineTask::ChoosePlay, &workspace);
    WorkerThread worker;
    worker.start([&engine] { engine.run(); }, WorkerThread::kSearchStackSize);
    worker.join();
    reportChoice(engine, rollCase, report, withDoubling);
}

// The same with the engine of --engine, built by its seat.
void chooseWithSeat(const RollCase& rollCase, const ChooseSettings& settings, EngineSeat& seat,
                    std::string& report, bool withDoubling) {
    const auto engine = seat.makeEngine(boardFor(rollCase), rollCase.side, settings.budgetMs,
                                        EngineTask::ChoosePlay);
    WorkerThread worker;
    worker.start([&engine] { engine->run(); }, WorkerThread::kSearchStackSize);
    worker.join();
    reportChoice(*engine, rollCase, report, withDoubling);
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
                             {"--batch", 1},
                             {"--engine", 1},
                             {"--opponent", 1},
                             {"--weights", 1},
                             {"--program-dir", 1}});
    ChooseSettings settings;
    const auto seed = options.has("--seed") ? static_cast<std::uint32_t>(parseInteger(
                                                  options.value("--seed"), 0, 4294967295, "seed"))
                                            : tickCount();
    const bool opponent = options.has("--opponent");
    if (opponent || options.has("--engine")) {
        const char* option = opponent ? "--opponent" : "--engine";
        for (const char* classicOnly : {"--strength", "--param-a", "--param-b", "--engine"}) {
            if (options.has(classicOnly) && classicOnly != std::string_view(option)) {
                throw CliError(std::string(option) + " replaces " + classicOnly);
            }
        }
        // An opponent's engine is read from the program directory's files.
        chooseProgramDirectory(options);
        settings.engine = parseEngineOption(opponent ? "opponent:" + options.value("--opponent")
                                                     : options.value("--engine"));
        settings.engine->noiseSeed = seed;
        if (settings.engine->kind == EngineChoice::Kind::Neural) {
            settings.network = loadNetworkFor(*settings.engine, options);
        }
    } else {
        if (options.has("--weights")) {
            throw CliError("--weights needs --engine or --opponent");
        }
        settings.parameters.strength = parseStrength(options.value("--strength"));
    }
    if (options.has("--param-a")) {
        settings.parameters.evalParamA = parsePlayParameter(options.value("--param-a"), "param-a");
    }
    if (options.has("--param-b")) {
        settings.parameters.evalParamB = parsePlayParameter(options.value("--param-b"), "param-b");
    }
    if (options.has("--budget-ms")) {
        settings.budgetMs = parseBudget(options.value("--budget-ms"));
    }
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
    std::string report;
    if (settings.engine) {
        EngineSeat seat(*settings.engine, settings.network);
        for (const RollCase& rollCase : cases) {
            chooseWithSeat(rollCase, settings, seat, report, !options.has("--batch"));
        }
    } else {
        const auto workspace = makeSearchWorkspace();
        for (const RollCase& rollCase : cases) {
            chooseFor(rollCase, settings, *workspace, report, !options.has("--batch"));
        }
    }
    out << report;
}

} // namespace vh::cli
