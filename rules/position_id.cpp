#include "rules/position_id.h"

#include "rules/id_bits.h"
#include "rules/side.h"

#include <array>
#include <optional>

namespace vh {
namespace {

constexpr int kIdBytes = 10;
constexpr std::size_t kIdLength = 14;
constexpr int kPlacesPerSide = kPointCount + 1; // its points 1-24, then its bar

// The entry of the side's place `place` (0-23 its points 1-24, 24 its bar).
int entryOf(int side, int place) {
    if (place == kPointCount) {
        return barEntry(side);
    }
    return side == PLAYER_ONE ? place : kPointCount - 1 - place;
}

int checkersAt(const BoardPosition& position, int side, int place) {
    const int entry = entryOf(side, place);
    if (entry == barEntry(side)) {
        return position[entry].count;
    }
    return position[entry].heldBy(side) ? position[entry].count : 0;
}

} // namespace

std::string positionId(const BoardPosition& position, int sideOnRoll) {
    IdBits bits(kIdBytes);
    int bit = 0;
    for (const int side : {otherSide(sideOnRoll), sideOnRoll}) {
        for (int place = 0; place < kPlacesPerSide; ++place) {
            for (int checker = checkersAt(position, side, place); checker > 0; --checker) {
                if (bit < bits.size()) { // more than 30 checkers cannot be written
                    bits.set(bit);
                }
                ++bit;
            }
            ++bit;
        }
    }
    return bits.base64();
}

bool readPositionId(std::string_view id, int sideOnRoll, BoardPosition& position,
                    std::string& error) {
    if (id.size() != kIdLength) {
        error = "a position ID has 14 characters, not " + std::to_string(id.size());
        return false;
    }
    const std::optional<IdBits> bits = IdBits::fromBase64(id, kIdBytes, error);
    if (!bits) {
        return false;
    }
    std::array<std::array<int, kPlacesPerSide>, 2> counts{};
    int bit = 0;
    for (const int side : {otherSide(sideOnRoll), sideOnRoll}) {
        int total = 0;
        for (int place = 0; place < kPlacesPerSide; ++place) {
            int& count = counts[static_cast<std::size_t>(side)][static_cast<std::size_t>(place)];
            while (bit < bits->size() && bits->test(bit)) {
                ++count;
                ++bit;
            }
            ++bit;
            total += count;
            if (total > kCheckersPerSide || bit > bits->size()) {
                error = "the ID gives side " + std::to_string(side) + " more than 15 checkers";
                return false;
            }
        }
    }
    BoardPosition read;
    clearPosition(read);
    for (int side = 0; side < 2; ++side) {
        int total = 0;
        for (int place = 0; place < kPlacesPerSide; ++place) {
            const int count =
                counts[static_cast<std::size_t>(side)][static_cast<std::size_t>(place)];
            if (count == 0) {
                continue;
            }
            BoardEntry& entry = read[entryOf(side, place)];
            if (entry.count > 0) {
                error = "the ID puts checkers of both sides on point " + std::to_string(place + 1) +
                        " of side " + std::to_string(side);
                return false;
            }
            entry = {count, side};
            total += count;
        }
        read[barEntry(side)].owner = side;
        read[offEntry(side)] = {kCheckersPerSide - total, side};
    }
    position = read;
    return true;
}

} // namespace vh
