#include "players/stats_file.h"

#include "platform/binary_io.h"

#include <algorithm>

namespace vh {
namespace {

void writeGame(BinaryWriter& out, const GameResult& game) {
    out.writeText(game.names[0], kPlayerNameSize);
    out.writeText(game.names[1], kPlayerNameSize);
    for (const auto* pair :
         {&game.isComputer, &game.bet, &game.stoneColour, &game.lost, &game.money}) {
        out.writeInt32((*pair)[0]);
        out.writeInt32((*pair)[1]);
    }
    out.writeInt32(game.resultKind);
    out.writeInt32(game.cubeValue);
    out.writeInt32(game.day);
    out.writeInt32(game.month);
    out.writeInt32(game.year);
    out.writeUInt32(game.startTime);
    out.writeUInt32(game.endTime);
}

bool readGame(BinaryReader& in, GameResult& game) {
    bool ok =
        in.readText(game.names[0], kPlayerNameSize) && in.readText(game.names[1], kPlayerNameSize);
    for (auto* pair : {&game.isComputer, &game.bet, &game.stoneColour, &game.lost, &game.money}) {
        ok = ok && in.readInt32((*pair)[0]) && in.readInt32((*pair)[1]);
    }
    ok = ok && in.readInt32(game.resultKind) && in.readInt32(game.cubeValue) &&
         in.readInt32(game.day) && in.readInt32(game.month) && in.readInt32(game.year) &&
         in.readUInt32(game.startTime) && in.readUInt32(game.endTime);
    if (ok) {
        game.duration = durationBetween(game.startTime, game.endTime);
    }
    return ok;
}

// The player block without its games; gameCount is returned separately.
bool readPlayer(BinaryReader& in, PlayerRecord& record, std::int32_t& gameCount) {
    std::int32_t ignoredCash = 0;
    return in.readText(record.name, kPlayerNameSize) &&
           in.readText(record.description, kPlayerDescriptionSize) && in.readInt32(record.age) &&
           in.readText(record.photoPath, kPhotoPathSize) && in.readInt32(gameCount) &&
           in.readInt32(ignoredCash);
}

std::string countText(std::int32_t count) {
    return std::to_string(count);
}

} // namespace

std::vector<std::byte> encodeStats(std::span<const PlayerRecord> records) {
    std::vector<const PlayerRecord*> pointers;
    pointers.reserve(records.size());
    for (const PlayerRecord& record : records) {
        pointers.push_back(&record);
    }
    return encodeStats(pointers);
}

std::vector<std::byte> encodeStats(std::span<const PlayerRecord* const> records) {
    BinaryWriter out;
    out.writeInt32(static_cast<std::int32_t>(records.size()));
    for (const PlayerRecord* each : records) {
        const PlayerRecord& record = *each;
        out.writeText(record.name, kPlayerNameSize);
        out.writeText(record.description, kPlayerDescriptionSize);
        out.writeInt32(record.age);
        out.writeText(record.photoPath, kPhotoPathSize);
        // The count of games that follow, which is the history's size even
        // when a damaged game is left out of gamesPlayed.
        out.writeInt32(static_cast<std::int32_t>(record.history.size()));
        out.writeInt32(record.cash);
        for (const GameResult& game : record.history) {
            writeGame(out, game);
        }
    }
    return out.take();
}

DecodedStats decodeStats(std::span<const std::byte> bytes) {
    DecodedStats decoded;
    BinaryReader in(bytes);
    std::int32_t playerCount = 0;
    if (!in.readInt32(playerCount)) {
        decoded.damage = bytes.empty() ? "the file is empty" : "the player count is cut short";
        return decoded;
    }
    if (playerCount < 0) {
        decoded.damage = "the player count " + countText(playerCount) + " is negative";
        return decoded;
    }
    // Room for no more players than the bytes could hold without games.
    const std::size_t possiblePlayers = in.remaining() / kPlayerBlockSize;
    decoded.records.reserve(std::min(static_cast<std::size_t>(playerCount), possiblePlayers));

    for (std::int32_t player = 0; player < playerCount; ++player) {
        PlayerRecord record;
        std::int32_t gameCount = 0;
        if (!readPlayer(in, record, gameCount)) {
            decoded.damage = "player " + countText(player + 1) + " of " + countText(playerCount) +
                             " is cut short";
            return decoded;
        }
        if (gameCount < 0) {
            decoded.damage = "player " + countText(player + 1) + " has a negative game count " +
                             countText(gameCount);
            decoded.records.push_back(std::move(record));
            return decoded;
        }
        const std::size_t possibleGames = in.remaining() / kGameBlockSize;
        record.history.reserve(std::min(static_cast<std::size_t>(gameCount), possibleGames));
        for (std::int32_t game = 0; game < gameCount; ++game) {
            GameResult result;
            if (!readGame(in, result)) {
                decoded.damage = "the games of player " + countText(player + 1) +
                                 " are cut short after " + countText(game) + " of " +
                                 countText(gameCount);
                decoded.records.push_back(std::move(record));
                return decoded;
            }
            record.history.push_back(std::move(result));
        }
        decoded.records.push_back(std::move(record));
    }
    // Bytes after the last player are ignored: every player was read whole,
    // and the next save writes exactly what was read.
    return decoded;
}

} // namespace vh
