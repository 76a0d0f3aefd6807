#include "rules/move_generator.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/batch_cases.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/notation.h"

#include <memory>
#include <ostream>
#include <vector>

namespace vh::cli {
namespace {

void appendPlays(std::string& out, PlayList& list, RollCase& playsCase) {
    generatePlays(list, playsCase.position, playsCase.side, playsCase.die1, playsCase.die2,
                  playsCase.used);
    for (const Play& play : list) {
        appendPlay(out, play);
        out += '\n';
    }
    out += std::to_string(list.count);
    out += " plays\n";
}

} // namespace

void runPlaysCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options(
        "plays", arguments,
        {{"--position", 1}, {"--side", 1}, {"--dice", 2}, {"--used", 1}, {"--batch", 1}});
    auto list = std::make_unique<PlayList>();
    std::string report;

    if (options.has("--batch")) {
        for (const char* single : {"--position", "--side", "--dice", "--used"}) {
            if (options.has(single)) {
                throw CliError(std::string("--batch reads its cases from the file; drop ") +
                               single);
            }
        }
        std::vector<RollCase> cases = readBatchCases(options.value("--batch"));
        for (std::size_t index = 0; index < cases.size(); ++index) {
            report += "case ";
            report += std::to_string(index + 1);
            report += '\n';
            appendPlays(report, *list, cases[index]);
        }
    } else {
        RollCase single;
        single.position = parsePosition(options.value("--position"));
        single.side = parseSide(options.value("--side"));
        single.die1 = parseDie(options.values("--dice")[0]);
        single.die2 = parseDie(options.values("--dice")[1]);
        if (options.has("--used")) {
            single.used = parseDiceUsed(options.value("--used"));
        }
        appendPlays(report, *list, single);
    }
    out << report;
}

} // namespace vh::cli
