#pragma once

#include "board/surface.h"
#include "players/game_result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

inline constexpr std::size_t kPlayerDescriptionSize = 256;
inline constexpr std::size_t kPhotoPathSize = 4096;
inline constexpr std::int32_t kStartingCash = 100;

// The picture shown for a player without a photo of their own.
std::filesystem::path standardPhotoPath();

// One human player with the history of every game they finished. Texts hold
// Windows-1252 bytes and fit their file fields.
struct PlayerRecord {
    std::string name; // the key of the record, compared byte for byte
    std::string description;
    std::int32_t age = 0;
    // The totals below are derived from the history by recomputeTotals.
    std::int32_t cash = 0;
    std::int32_t gamesPlayed = 0;
    std::int32_t gamesWon = 0;
    std::int32_t gamesLost = 0;
    std::int32_t totalPlayTime = 0; // milliseconds
    std::string photoPath;          // empty: the standard photo
    CSurface photo;
    std::vector<GameResult> history; // newest first

    // Stores the path and loads the photo: the standard photo for an empty
    // path, and also for a path that no longer opens, which is then cleared.
    void setPhoto(std::string_view path);
    // setPhoto's path check alone, without loading the picture.
    void resolvePhotoPath();
    // Loads the photo for the current path.
    void loadPhoto();

    // Files a game at the head of the history and recomputes the totals.
    void addResult(GameResult result);
    // Cash is 100 plus the money of every game; the counters and the play
    // time add up the games; the history is sorted newest first, games with
    // equal date and start time keeping their order. A game that does not
    // name this player (only in a damaged file) stays in the history but is
    // left out of the totals.
    void recomputeTotals();

    const GameResult* resultAt(int index) const;
    int historyCount() const { return static_cast<int>(history.size()); }
};

} // namespace vh
