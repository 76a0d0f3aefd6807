#pragma once

#include "tools/varnholt-cli/arguments.h"

namespace vh::cli {

// Points both program folders at --program-dir when given; otherwise they
// stay as the program chose them at start (see resolveProgramFolders).
void chooseProgramDirectory(const Arguments& options);

} // namespace vh::cli
