#pragma once

#include "players/player_record.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vh {

enum class StoreLoad {
    Read,    // the whole file was read
    Missing, // there is no file yet: the store is empty
    Damaged, // the file could not be read whole: the store holds what was read completely
};

// The human players and their finished games, kept in Data/Stats.dat. Records
// are inserted at the head; the Player Setup page lists them in store order.
// Loading inserts each record read at the head, so every load reverses the
// order the file had.
class PlayerStore {
public:
    // The program directory's Data/Stats.dat.
    PlayerStore() = default;
    explicit PlayerStore(std::filesystem::path file) : file_(std::move(file)) {}

    std::filesystem::path file() const;

    // Whether loading resolves photos into pictures (the command-line tool
    // has no use for them). Photo paths that no longer open are cleared either way.
    void setLoadPhotos(bool load) { loadPhotos_ = load; }

    // Replaces the whole content with the file's. A damaged file yields the
    // records read completely before the damage and is kept aside by the
    // next save.
    StoreLoad loadPlayers();
    // Writes the whole content atomically. After a damaged load the damaged
    // file is first kept beside it ("Stats.dat.bad") and the user told where,
    // once. A failed save is reported in a message box; the old file stays.
    bool savePlayers();

    // What was wrong with the file at the last load; empty when nothing was.
    const std::string& damage() const { return damage_; }

    PlayerRecord* findPlayer(std::string_view name);
    const PlayerRecord* findPlayer(std::string_view name) const;
    // Inserts at the head. Names are unique: callers check with findPlayer.
    void addPlayer(PlayerRecord record);
    bool removePlayer(std::string_view name);
    PlayerRecord* playerAt(int index);
    const PlayerRecord* playerAt(int index) const;
    int count() const { return static_cast<int>(records_.size()); }

    // Files a finished game under each human side: a side's record is created
    // when missing, and a human playing both sides is filed once. Computer
    // sides are never filed.
    void recordGame(const GameResult& result);

private:
    // Moves the damaged file aside before a save replaces it, setting `kept`
    // to its new path (left empty when the file is gone). False, with
    // `error`, when it could not be moved.
    bool keepDamagedFile(std::optional<std::filesystem::path>& kept, std::string& error);

    std::optional<std::filesystem::path> file_;
    std::deque<PlayerRecord> records_; // references stay valid while records are added
    bool loadPhotos_ = true;
    std::string damage_;
    bool damagedFileOnDisk_ = false;
};

} // namespace vh
