#pragma once

#include "coach/game_record.h"
#include "rules/board_record.h"
#include "rules/play.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vh {

// What a .vhf file holds: the state of a game needed to go on with it.
struct SavedPlayer {
    std::string name;
    std::int32_t isComputer = 0;
    std::int32_t side = 0;
    std::uint32_t clockMs = 0; // only stored in a timed game
};

struct SavedTurn {
    std::int32_t side = 0;
    Play play;
    // Kept in the extension block: the roll (0 0 when not known, as in older
    // files) and a double the mover offered before it. A passed double is a
    // turn of its own, without roll or moves.
    std::int32_t die1 = 0;
    std::int32_t die2 = 0;
    CubeAction cube = CubeAction::None;
};

struct SavedGame {
    std::int32_t turnsPlayed = 0;
    std::int32_t currentSide = 0;
    std::int32_t state = 2; // saving pauses the game
    std::uint32_t gameTimeMs = 0;
    bool timed = false;
    std::int32_t initialSeconds = 0;
    std::int32_t extraSeconds = 0;
    std::array<SavedPlayer, 2> players; // the player of side 0 first
    std::int32_t die1 = 1;
    std::int32_t die2 = 1;
    std::int32_t cubeValue = 1;
    BoardPosition position;
    std::array<std::int32_t, 2> historyIsComputer{};
    std::int32_t historyCursor = 0;
    std::vector<SavedTurn> history; // every recorded turn, redoable ones included

    // The block after the history ("VHX1", its length, then these fields and
    // the turns' rolls and doubles): a file without it reads as a money game
    // with the cube's owner unknown.
    std::int32_t cubeOwner = -1;  // -1 centred or unknown, else the side
    std::int32_t matchLength = 0; // 0: a money game
    std::int32_t score0 = 0;
    std::int32_t score1 = 0;
    std::int32_t crawford = 0; // 1 during the Crawford game, 2 after it
};

std::vector<std::byte> encodeSavedGame(const SavedGame& game);

// Reads and checks a whole file's bytes. On any fault (too short, a value out
// of range, an impossible position, bytes left over) the result says why and
// `game` must not be used.
struct SavedGameCheck {
    bool valid = false;
    std::string problem;
};
SavedGameCheck decodeSavedGame(std::span<const std::byte> bytes, SavedGame& game);

// The whole file, or a message for the user saying why it cannot be opened.
SavedGameCheck readSavedGameFile(const std::filesystem::path& path, SavedGame& game);
// Replaces the file atomically; false with `error` when it cannot be written.
bool writeSavedGameFile(const std::filesystem::path& path, const SavedGame& game,
                        std::string& error);

} // namespace vh
