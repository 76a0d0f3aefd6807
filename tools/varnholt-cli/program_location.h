#pragma once

#include "tools/varnholt-cli/arguments.h"

namespace vh::cli {

// Points the program directory (pictures, Data/Computers.dat) at
// --program-dir when given; otherwise at the working directory when it holds
// the program's data, else at the folder of the varnholt-cli executable.
void chooseProgramDirectory(const Arguments& options);

} // namespace vh::cli
