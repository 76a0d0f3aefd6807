#include "ai/engine_match.h"

#include "ai/match_equity.h"
#include "ai/money_game.h"
#include "platform/seeded_stream.h"

#include <algorithm>
#include <stdexcept>

namespace vh {

EngineMatchResult playEngineMatch(const std::array<EngineSeat*, 2>& seats, int length,
                                  std::uint64_t diceSeed, std::uint32_t budgetMs, PlayList& list) {
    if (length < 1 || length > MatchEquityTable::kLongestMatch) {
        throw std::invalid_argument("a match length beyond the match equity table");
    }
    EngineMatchResult result;
    result.final.length = length;
    while (result.final.winner() == -1) {
        const MoneyGameResult game =
            playMoneyGame(seats, streamSeed(diceSeed, static_cast<std::uint64_t>(result.games)),
                          true, budgetMs, list, nullptr, result.final);
        ++result.games;
        const std::int64_t points = std::min<std::int64_t>(game.points(), length);
        result.final.addGame(game.winner, static_cast<int>(points));
    }
    result.winner = result.final.winner();
    return result;
}

} // namespace vh
