#pragma once

#include <cstdint>

namespace vh {

// What a search did, for benchmarks and the command-line tool.
struct SearchStatistics {
    std::int64_t evaluations = 0; // static evaluations worked out
    std::int64_t remembered = 0;  // evaluations found again instead of worked out
    std::int64_t generations = 0; // play lists generated
};

} // namespace vh
