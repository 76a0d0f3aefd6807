#include "rules/match_id.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// A typed match ID, or a game ID (position and match): what is read is
// written to an ID that reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    vh::MatchIdFields fields;
    vh::MatchIdFields fieldsAgain;
    if (vh::readMatchId(text, fields, error) &&
        (!vh::readMatchId(vh::matchId(fields), fieldsAgain, error) || fieldsAgain != fields)) {
        std::abort();
    }
    vh::BoardPosition position;
    vh::BoardPosition positionAgain;
    if (vh::readGameId(text, position, fields, error) &&
        (!vh::readGameId(vh::gameId(position, fields), positionAgain, fieldsAgain, error) ||
         positionAgain != position || fieldsAgain != fields)) {
        std::abort();
    }
    return 0;
}
