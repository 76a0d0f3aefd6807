#include "rules/move_generator.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/notation.h"

#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <vector>

namespace vh::cli {
namespace {

struct PlaysCase {
    BoardPosition position;
    int side = 0;
    int die1 = 1;
    int die2 = 1;
    DiceUsed used{};
};

void appendPlays(std::string& out, PlayList& list, PlaysCase& playsCase) {
    generatePlays(list, playsCase.position, playsCase.side, playsCase.die1, playsCase.die2,
                  playsCase.used);
    for (const Play& play : list) {
        appendPlay(out, play);
        out += '\n';
    }
    out += std::to_string(list.count);
    out += " plays\n";
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// One batch line: "S D1 D2 | P".
PlaysCase parseBatchLine(const std::string& line) {
    const auto bar = line.find('|');
    if (bar == std::string::npos) {
        throw CliError("expected 'S D1 D2 | P'");
    }
    std::istringstream head(line.substr(0, bar));
    std::vector<std::string> words;
    for (std::string word; head >> word;) {
        words.push_back(word);
    }
    if (words.size() != 3) {
        throw CliError("expected side and two dice before '|', got " +
                       std::to_string(words.size()) + " words");
    }
    PlaysCase playsCase;
    playsCase.side = parseSide(words[0]);
    playsCase.die1 = parseDie(words[1]);
    playsCase.die2 = parseDie(words[2]);
    playsCase.position = parsePosition(trimmed(line.substr(bar + 1)));
    return playsCase;
}

std::vector<PlaysCase> readBatch(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw CliError("cannot read batch file '" + path + "'");
    }
    std::vector<PlaysCase> cases;
    std::string line;
    for (int lineNumber = 1; std::getline(file, line); ++lineNumber) {
        const std::string content = trimmed(line);
        if (content.empty() || content.front() == '#') {
            continue;
        }
        try {
            cases.push_back(parseBatchLine(content));
        } catch (const CliError& error) {
            throw CliError(path + ":" + std::to_string(lineNumber) + ": " + error.what());
        }
    }
    if (file.bad()) {
        throw CliError("error while reading batch file '" + path + "'");
    }
    return cases;
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
        std::vector<PlaysCase> cases = readBatch(options.value("--batch"));
        for (std::size_t index = 0; index < cases.size(); ++index) {
            report += "case ";
            report += std::to_string(index + 1);
            report += '\n';
            appendPlays(report, *list, cases[index]);
        }
    } else {
        PlaysCase single;
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
