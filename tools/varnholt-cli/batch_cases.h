#pragma once

#include "rules/move_generator.h"
#include "rules/roll_case.h"

#include <string>
#include <vector>

namespace vh::cli {

// Reads a batch file of lines "S D1 D2 | P"; blank lines and lines starting
// with '#' are skipped. A bad line is a CliError naming the file and line.
std::vector<RollCase> readBatchCases(const std::string& path);

} // namespace vh::cli
