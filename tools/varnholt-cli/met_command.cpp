#include "ai/match_equity.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/commands.h"

#include <cstdio>
#include <ostream>

namespace vh::cli {

void runMetCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("met", arguments, {{"--length", 1}, {"--gammon-percent", 1}});
    const int length =
        options.has("--length")
            ? static_cast<int>(parseInteger(options.value("--length"), 1,
                                            MatchEquityTable::kLongestMatch, "match length"))
            : MatchEquityTable::kLongestMatch;
    const double gammonRate =
        options.has("--gammon-percent")
            ? static_cast<double>(
                  parseInteger(options.value("--gammon-percent"), 0, 100, "gammon percent")) /
                  100.0
            : MatchEquityTable::kDefaultGammonRate;
    const MatchEquityTable table(gammonRate);
    for (int away = 1; away <= length; ++away) {
        for (int other = 1; other <= length; ++other) {
            char number[16];
            std::snprintf(number, sizeof number, "%.1f", 100.0 * table.beforeCrawford(away, other));
            out << (other == 1 ? "" : " ") << number;
        }
        out << '\n';
    }
}

} // namespace vh::cli
