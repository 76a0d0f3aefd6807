#pragma once

#include "tools/varnholt-cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace vh::cli {

// What one command line printed and returned.
struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(arguments, out, err);
    return {code, out.str(), err.str()};
}

} // namespace vh::cli
