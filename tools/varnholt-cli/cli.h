#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vh::cli {

// Runs one command line (without the program name), writing results to `out`
// and errors to `err`; returns the process exit code.
int runCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

} // namespace vh::cli
