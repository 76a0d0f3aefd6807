#include "match/saved_game.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

// A .vhf file: a game the reader accepts can be saved again and reopened.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vh::SavedGame game;
    if (!vh::decodeSavedGame(std::as_bytes(std::span(data, size)), game).valid) {
        return 0;
    }
    vh::SavedGame again;
    if (!vh::decodeSavedGame(vh::encodeSavedGame(game), again).valid ||
        again.position != game.position || again.history.size() != game.history.size()) {
        std::abort();
    }
    return 0;
}
