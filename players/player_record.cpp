#include "players/player_record.h"

#include "platform/binary_io.h"
#include "platform/program_folders.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <fstream>
#include <limits>

namespace vh {
namespace {

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::filesystem::path filePathOf(std::string_view storedPath) {
    return std::filesystem::path(utf8FromWindows1252(storedPath));
}

} // namespace

std::filesystem::path standardPhotoPath() {
    return dataPath("Graphics/Human.bmp");
}

void PlayerRecord::setPhoto(std::string_view path) {
    photoPath = fitText(path, kPhotoPathSize);
    resolvePhotoPath();
    loadPhoto();
}

void PlayerRecord::resolvePhotoPath() {
    if (photoPath.empty()) {
        return;
    }
    const std::ifstream file(filePathOf(photoPath), std::ios::binary);
    if (!file.is_open()) {
        photoPath.clear();
    }
}

void PlayerRecord::loadPhoto() {
    photo.Load(photoPath.empty() ? standardPhotoPath() : filePathOf(photoPath));
}

void PlayerRecord::addResult(GameResult result) {
    history.insert(history.begin(), std::move(result));
    recomputeTotals();
}

void PlayerRecord::recomputeTotals() {
    std::int64_t played = 0;
    std::int64_t won = 0;
    std::int64_t lostGames = 0;
    std::int64_t time = 0;
    std::int64_t money = kStartingCash;
    for (const GameResult& game : history) {
        const int side = game.sideOf(name);
        if (side < 0) {
            continue;
        }
        const auto index = static_cast<std::size_t>(side);
        ++played;
        if (game.lost[index] != 0) {
            ++lostGames;
        } else {
            ++won;
        }
        time += game.duration;
        money += game.money[index];
    }
    gamesPlayed = clampToInt32(played);
    gamesWon = clampToInt32(won);
    gamesLost = clampToInt32(lostGames);
    totalPlayTime = clampToInt32(time);
    cash = clampToInt32(money);

    // Newest first. A stable sort gives exactly the order of repeated passes
    // of neighbour swaps that swap only a strictly older game before a newer
    // one: equal keys keep their order.
    std::stable_sort(history.begin(), history.end(),
                     [](const GameResult& a, const GameResult& b) { return isOlderThan(b, a); });
}

const GameResult* PlayerRecord::resultAt(int index) const {
    if (index < 0 || index >= historyCount()) {
        return nullptr;
    }
    return &history[static_cast<std::size_t>(index)];
}

} // namespace vh
