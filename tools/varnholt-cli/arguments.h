#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace vh::cli {

// Parses "--name value..." options of one command. Each known option takes a
// fixed number of values; anything else is a CliError naming what is wrong.
class Arguments {
public:
    Arguments(const std::string& command, std::span<const std::string> arguments,
              const std::map<std::string, int>& valueCounts);

    bool has(const std::string& option) const;
    // The option's values; throws when the option was not given.
    const std::vector<std::string>& values(const std::string& option) const;
    const std::string& value(const std::string& option) const;

private:
    std::string command_;
    std::map<std::string, std::vector<std::string>> given_;
};

// Whole-token integer in [minimum, maximum]; `what` names it in the error.
std::int64_t parseInteger(const std::string& text, std::int64_t minimum, std::int64_t maximum,
                          const std::string& what);
int parseSide(const std::string& text);
int parseDie(const std::string& text);

} // namespace vh::cli
