#include "players/player_store.h"

#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/file_bytes.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"
#include "players/stats_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

namespace vh {
namespace {

// Far beyond a lifetime of games (about two million); a larger file is not ours.
constexpr std::size_t kMaxStatsFileBytes = std::size_t{256} << 20;

bool renamePath(const std::filesystem::path& from, const std::filesystem::path& to,
                std::string& error) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace

std::filesystem::path PlayerStore::file() const {
    return file_ ? *file_ : userPath("Data/Stats.dat");
}

StoreLoad PlayerStore::loadPlayers() {
    records_.clear();
    damage_.clear();
    damagedFileOnDisk_ = false;

    const FileBytes bytes = readFileBytes(file(), kMaxStatsFileBytes);
    if (bytes.status == FileReadStatus::Missing) {
        return StoreLoad::Missing;
    }
    DecodedStats decoded;
    if (bytes.status == FileReadStatus::Read) {
        decoded = decodeStats(bytes.bytes);
    } else {
        decoded.damage = bytes.error;
    }
    for (PlayerRecord& record : decoded.records) {
        // Each game read goes to the head of the history.
        std::reverse(record.history.begin(), record.history.end());
        record.resolvePhotoPath();
        if (loadPhotos_) {
            record.loadPhoto();
        }
        record.recomputeTotals();
        records_.push_front(std::move(record));
    }
    if (decoded.damage.empty()) {
        return StoreLoad::Read;
    }
    damage_ = decoded.damage;
    damagedFileOnDisk_ = true;
    return StoreLoad::Damaged;
}

bool PlayerStore::keepDamagedFile(std::optional<std::filesystem::path>& kept, std::string& error) {
    const std::filesystem::path damaged = file();
    std::error_code code;
    if (!std::filesystem::exists(std::filesystem::symlink_status(damaged, code))) {
        return true; // gone meanwhile: nothing to keep
    }
    for (int attempt = 1; attempt <= 99; ++attempt) {
        std::filesystem::path candidate = damaged;
        candidate += attempt == 1 ? ".bad" : ".bad" + std::to_string(attempt);
        if (std::filesystem::exists(std::filesystem::symlink_status(candidate, code))) {
            continue;
        }
        if (!renamePath(damaged, candidate, error)) {
            return false;
        }
        kept = candidate;
        return true;
    }
    error = "every name for a kept copy, .bad to .bad99, is taken";
    return false;
}

bool PlayerStore::savePlayers() {
    const std::filesystem::path path = file();
    std::vector<const PlayerRecord*> ordered;
    for (const PlayerRecord& record : records_) {
        ordered.push_back(&record);
    }
    const std::vector<std::byte> bytes = encodeStats(ordered);
    std::string error;

    std::optional<std::filesystem::path> kept;
    if (damagedFileOnDisk_ && !keepDamagedFile(kept, error)) {
        showMessage(kApplicationTitle,
                    "The player file " + path.string() +
                        " is damaged and could not be kept aside (" + error +
                        "), so it was not replaced. The players were not saved.");
        return false;
    }

    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    if (!writeFileAtomically(path, bytes, &error)) {
        if (kept) {
            std::string restoreError;
            renamePath(*kept, path, restoreError);
        }
        showMessage(kApplicationTitle, "The players could not be saved (" + error +
                                           "). The previous player file is unchanged.");
        return false;
    }
    damagedFileOnDisk_ = false;
    if (kept) {
        showMessage(kApplicationTitle,
                    "The player file " + path.string() + " could not be read completely (" +
                        damage_ + "). The damaged file was kept as " + kept->string() +
                        ", and a new player file was written with the players that could be read.");
    }
    return true;
}

PlayerRecord* PlayerStore::findPlayer(std::string_view name) {
    const auto found =
        std::find_if(records_.begin(), records_.end(),
                     [&](const PlayerRecord& record) { return record.name == name; });
    return found == records_.end() ? nullptr : &*found;
}

const PlayerRecord* PlayerStore::findPlayer(std::string_view name) const {
    return const_cast<PlayerStore*>(this)->findPlayer(name);
}

void PlayerStore::addPlayer(PlayerRecord record) {
    records_.push_front(std::move(record));
}

bool PlayerStore::removePlayer(std::string_view name) {
    const auto found =
        std::find_if(records_.begin(), records_.end(),
                     [&](const PlayerRecord& record) { return record.name == name; });
    if (found == records_.end()) {
        return false;
    }
    records_.erase(found);
    return true;
}

PlayerRecord* PlayerStore::playerAt(int index) {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return &records_[static_cast<std::size_t>(index)];
}

const PlayerRecord* PlayerStore::playerAt(int index) const {
    return const_cast<PlayerStore*>(this)->playerAt(index);
}

void PlayerStore::recordGame(const GameResult& handedIn) {
    GameResult result = handedIn;
    for (std::string& name : result.names) {
        name = fitText(name, kPlayerNameSize);
    }
    for (int side = 0; side < 2; ++side) {
        const auto index = static_cast<std::size_t>(side);
        if (result.isComputer[index] != 0) {
            continue;
        }
        // The same human on both sides: one game, filed once.
        if (side == 1 && result.isComputer[0] == 0 && result.names[1] == result.names[0]) {
            continue;
        }
        PlayerRecord* record = findPlayer(result.names[index]);
        if (record == nullptr) {
            PlayerRecord created;
            created.name = result.names[index];
            if (loadPhotos_) {
                created.setPhoto("");
            }
            addPlayer(std::move(created));
            record = playerAt(0);
        }
        record->addResult(result);
    }
}

} // namespace vh
