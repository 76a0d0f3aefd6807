#include "players/statistics_report.h"
#include "players/stats_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

// Data/Stats.dat as the player store loads it, then as the statistics window
// shows each player read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vh::DecodedStats decoded = vh::decodeStats(std::as_bytes(std::span(data, size)));
    for (vh::PlayerRecord& record : decoded.records) {
        std::reverse(record.history.begin(), record.history.end());
        record.recomputeTotals();
        vh::statisticsRows(record);
        vh::statisticsTotals(record);
        vh::statisticsDateWidth(record.historyCount());
    }
    return 0;
}
