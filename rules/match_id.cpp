#include "rules/match_id.h"

#include "rules/id_bits.h"
#include "rules/position_id.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace vh {
namespace {

constexpr int kIdBytes = 9;
constexpr std::size_t kIdLength = 12;
constexpr unsigned kCentredOwner = 3;

// Where each field lies: its first bit and its width.
struct Field {
    int first;
    int width;
};
constexpr Field kCubeLog{0, 4};
constexpr Field kCubeOwner{4, 2};
constexpr Field kSideOnRoll{6, 1};
constexpr Field kCrawford{7, 1};
constexpr Field kGameState{8, 3};
constexpr Field kSideToDecide{11, 1};
constexpr Field kDoubleOffered{12, 1};
constexpr Field kResignation{13, 2};
constexpr Field kDie1{15, 3};
constexpr Field kDie2{18, 3};
constexpr Field kMatchLength{21, 15};
constexpr Field kScore0{36, 15};
constexpr Field kScore1{51, 15};
// The bit after the score: the IDs other programs write have it set, so it is
// written set and not looked at when read.
constexpr Field kTrailingFlag{66, 1};

void put(IdBits& bits, Field field, int value) {
    const unsigned mask = (1u << field.width) - 1;
    bits.setField(field.first, field.width, static_cast<unsigned>(value) & mask);
}

int get(const IdBits& bits, Field field) {
    return static_cast<int>(bits.field(field.first, field.width));
}

} // namespace

std::string matchId(const MatchIdFields& fields) {
    IdBits bits(kIdBytes);
    const auto cube = static_cast<unsigned>(fields.cubeValue > 1 ? fields.cubeValue : 1);
    put(bits, kCubeLog,
        std::min(static_cast<int>(std::bit_width(cube)) - 1, (1 << kCubeLog.width) - 1));
    put(bits, kCubeOwner,
        fields.cubeOwner < 0 ? static_cast<int>(kCentredOwner) : fields.cubeOwner);
    put(bits, kSideOnRoll, fields.sideOnRoll);
    put(bits, kCrawford, fields.crawford ? 1 : 0);
    put(bits, kGameState, fields.gameState);
    put(bits, kSideToDecide, fields.sideToDecide);
    put(bits, kDoubleOffered, fields.doubleOffered ? 1 : 0);
    put(bits, kResignation, fields.resignation);
    put(bits, kDie1, fields.die1);
    put(bits, kDie2, fields.die2);
    put(bits, kMatchLength, fields.matchLength);
    put(bits, kScore0, fields.score0);
    put(bits, kScore1, fields.score1);
    put(bits, kTrailingFlag, 1);
    return bits.base64();
}

bool readMatchId(std::string_view id, MatchIdFields& fields, std::string& error) {
    if (id.size() != kIdLength) {
        error = "a match ID has 12 characters, not " + std::to_string(id.size());
        return false;
    }
    const std::optional<IdBits> bits = IdBits::fromBase64(id, kIdBytes, error);
    if (!bits) {
        return false;
    }
    MatchIdFields read;
    read.cubeValue = 1 << get(*bits, kCubeLog);
    const int owner = get(*bits, kCubeOwner);
    read.cubeOwner = owner == static_cast<int>(kCentredOwner) ? -1 : owner;
    read.sideOnRoll = get(*bits, kSideOnRoll);
    read.crawford = get(*bits, kCrawford) == 1;
    read.gameState = get(*bits, kGameState);
    read.sideToDecide = get(*bits, kSideToDecide);
    read.doubleOffered = get(*bits, kDoubleOffered) == 1;
    read.resignation = get(*bits, kResignation);
    read.die1 = get(*bits, kDie1);
    read.die2 = get(*bits, kDie2);
    read.matchLength = get(*bits, kMatchLength);
    read.score0 = get(*bits, kScore0);
    read.score1 = get(*bits, kScore1);
    if (owner == 2) {
        error = "the match ID gives the cube to no side (owner 2)";
    } else if (read.gameState > 4) {
        error = "the match ID has an unknown game state " + std::to_string(read.gameState);
    } else if (read.die1 > 6 || read.die2 > 6 || (read.die1 == 0) != (read.die2 == 0)) {
        error = "the match ID has an impossible roll " + std::to_string(read.die1) + "-" +
                std::to_string(read.die2);
    } else if (read.matchLength > 0 &&
               (read.score0 >= read.matchLength || read.score1 >= read.matchLength) &&
               read.gameState == 1) {
        error = "the match ID has a score that already won the match";
    } else {
        fields = read;
        return true;
    }
    return false;
}

std::string gameId(const BoardPosition& position, const MatchIdFields& fields) {
    return positionId(position, fields.sideOnRoll) + ":" + matchId(fields);
}

bool readGameId(std::string_view text, BoardPosition& position, MatchIdFields& fields,
                std::string& error) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' ||
                             text.back() == '\r')) {
        text.remove_suffix(1);
    }
    const std::size_t colon = text.find(':');
    MatchIdFields readFields;
    if (colon != std::string_view::npos &&
        !readMatchId(text.substr(colon + 1), readFields, error)) {
        return false;
    }
    BoardPosition readPosition;
    if (!readPositionId(text.substr(0, colon), readFields.sideOnRoll, readPosition, error)) {
        return false;
    }
    position = readPosition;
    fields = readFields;
    return true;
}

} // namespace vh
