#include "tools/varnholt-cli/arguments.h"

#include "tools/varnholt-cli/cli_error.h"

#include <charconv>

namespace vh::cli {

Arguments::Arguments(const std::string& command, std::span<const std::string> arguments,
                     const std::map<std::string, int>& valueCounts)
    : command_(command) {
    for (std::size_t index = 0; index < arguments.size();) {
        const std::string& option = arguments[index];
        const auto known = valueCounts.find(option);
        if (known == valueCounts.end()) {
            if (option.rfind("--", 0) == 0) {
                throw CliError("unknown option '" + option + "' for '" + command_ + "'");
            }
            throw CliError("unexpected argument '" + option + "' for '" + command_ + "'");
        }
        if (given_.count(option) != 0) {
            throw CliError("option " + option + " is given twice");
        }
        const auto count = static_cast<std::size_t>(known->second);
        const std::size_t available = arguments.size() - index - 1;
        bool complete = available >= count;
        for (std::size_t value = 1; complete && value <= count; ++value) {
            complete = valueCounts.count(arguments[index + value]) == 0;
        }
        if (!complete) {
            throw CliError("option " + option + " needs " + std::to_string(count) +
                           (count == 1 ? " value" : " values"));
        }
        const auto first = arguments.begin() + static_cast<std::ptrdiff_t>(index) + 1;
        std::vector<std::string> optionValues(first, first + static_cast<std::ptrdiff_t>(count));
        given_.emplace(option, std::move(optionValues));
        index += 1 + count;
    }
}

bool Arguments::has(const std::string& option) const {
    return given_.count(option) != 0;
}

const std::vector<std::string>& Arguments::values(const std::string& option) const {
    const auto found = given_.find(option);
    if (found == given_.end()) {
        throw CliError("'" + command_ + "' needs " + option);
    }
    return found->second;
}

const std::string& Arguments::value(const std::string& option) const {
    return values(option).front();
}

std::int64_t parseInteger(const std::string& text, std::int64_t minimum, std::int64_t maximum,
                          const std::string& what) {
    std::int64_t number = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, number);
    if (text.empty() || error != std::errc() || end != last) {
        throw CliError(what + " '" + text + "' is not a whole number");
    }
    if (number < minimum || number > maximum) {
        throw CliError(what + " " + text + " is outside " + std::to_string(minimum) + ".." +
                       std::to_string(maximum));
    }
    return number;
}

int parseSide(const std::string& text) {
    return static_cast<int>(parseInteger(text, 0, 1, "side"));
}

int parseDie(const std::string& text) {
    return static_cast<int>(parseInteger(text, 1, 6, "die"));
}

} // namespace vh::cli
