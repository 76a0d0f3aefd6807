#include "match/mat_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// .mat text: every game read is written again as .mat text that reads back
// with as many turns, and gives a saved game that opens; the games written
// together read back at the same scores.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vh::MatGames read;
    std::string error;
    if (!vh::readMatText(std::string_view(reinterpret_cast<const char*>(data), size), read,
                         error)) {
        return 0;
    }
    vh::MatGames whole;
    if (!vh::readMatText(vh::matText(read.games), whole, error) ||
        whole.games.size() != read.games.size()) {
        std::abort();
    }
    for (std::size_t index = 0; index < read.games.size(); ++index) {
        if (!(whole.games[index].match == read.games[index].match)) {
            std::abort();
        }
    }
    for (const vh::GameRecord& game : read.games) {
        vh::MatGames again;
        if (!vh::readMatText(vh::matText(game), again, error) || again.games.size() != 1 ||
            again.games.front().turns.size() != game.turns.size()) {
            std::abort();
        }
        vh::SavedGame saved;
        if (!vh::decodeSavedGame(vh::encodeSavedGame(vh::savedGameOf(game)), saved).valid) {
            std::abort();
        }
    }
    return 0;
}
