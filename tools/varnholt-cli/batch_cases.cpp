#include "tools/varnholt-cli/batch_cases.h"

#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/notation.h"

#include <fstream>
#include <sstream>

namespace vh::cli {
namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// One batch line: "S D1 D2 | P".
RollCase parseBatchLine(const std::string& line) {
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
    RollCase rollCase;
    rollCase.side = parseSide(words[0]);
    rollCase.die1 = parseDie(words[1]);
    rollCase.die2 = parseDie(words[2]);
    rollCase.position = parsePosition(trimmed(line.substr(bar + 1)));
    return rollCase;
}

} // namespace

std::vector<RollCase> readBatchCases(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw CliError("cannot read batch file '" + path + "'");
    }
    std::vector<RollCase> cases;
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

} // namespace vh::cli
