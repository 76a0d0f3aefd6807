#include "tools/varnholt-cli/engine_options.h"

#include "tools/varnholt-cli/arguments.h"

#include <limits>

namespace vh::cli {

std::int32_t parseStrength(const std::string& text) {
    return static_cast<std::int32_t>(
        parseInteger(text, 0, std::numeric_limits<std::int32_t>::max(), "strength"));
}

std::int32_t parsePlayParameter(const std::string& text, const std::string& what) {
    return static_cast<std::int32_t>(parseInteger(text, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max(), what));
}

std::uint32_t parseBudget(const std::string& text) {
    // Deadlines live on a wrapping millisecond counter: at most 2^31 - 1 ms ahead.
    return static_cast<std::uint32_t>(
        parseInteger(text, 0, std::numeric_limits<std::int32_t>::max(), "budget"));
}

} // namespace vh::cli
