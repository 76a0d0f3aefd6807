#pragma once

#include <stdexcept>
#include <string>

namespace vh::cli {

// Bad input on the command line or in a file it names: the tool prints the
// message on one line of standard error and exits with code 2.
class CliError : public std::runtime_error {
public:
    explicit CliError(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;

} // namespace vh::cli
