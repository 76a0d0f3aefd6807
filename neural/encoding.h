#pragma once

#include "rules/board_position.h"

#include <array>
#include <cstdint>

namespace vh {

// The network's view of a position, always from the side to move: first the
// side to move's block of inputs, then the opponent's, then one shared input.
// A block lists the 24 points counted from that side's own bear-off (its
// first input belongs to the point a checker leaves with a 1), four inputs
// each: one checker or more, two or more, three or more, and half of what is
// above three; then its bar (half the checkers), its borne-off checkers (a
// fifteenth each) and its pip count (a hundredth per pip). The shared input is
// 1 while the two sides can still hit each other. So a position and its
// mirror image with the other side to move encode alike.
//
// That is the basic encoding. The rich encoding adds, after those, the
// ContactFeatures of the side to move and then of the opponent (shot chance,
// escape chance, prime length each), while the sides can still hit each other.
//
// The race encoding, for positions without contact, has a block of its own
// per side: the 24 points as above, then its borne-off checkers (a fifteenth
// each), 1 while it has none off, its pip count (a hundredth per pip), its
// crossovers (the home-board boundaries its checkers still have to cross, a
// tenth each) and its checkers outside its home board (a fifteenth each).
inline constexpr int kBasicEncoding = 1;
inline constexpr int kRichEncoding = 2;
inline constexpr int kRaceEncoding = 3;
inline constexpr int kUnitsPerPoint = 4;
inline constexpr int kBlockInputs = kPointCount * kUnitsPerPoint + 3;
inline constexpr int kBarInput = kPointCount * kUnitsPerPoint;
inline constexpr int kBorneOffInput = kBarInput + 1;
inline constexpr int kPipInput = kBarInput + 2;
inline constexpr int kContactInput = 2 * kBlockInputs;
inline constexpr int kInputCount = 2 * kBlockInputs + 1; // of the basic encoding
inline constexpr int kFeaturesPerSide = 3;
inline constexpr int kRichInputCount = kInputCount + 2 * kFeaturesPerSide;
inline constexpr int kRaceBlockInputs = kPointCount * kUnitsPerPoint + 5;
inline constexpr int kRaceInputCount = 2 * kRaceBlockInputs;
inline constexpr int kMaxInputCount = kRichInputCount;
static_assert(kRaceInputCount <= kMaxInputCount);

constexpr bool knownEncoding(int encoding) {
    return encoding == kBasicEncoding || encoding == kRichEncoding || encoding == kRaceEncoding;
}
// The number of inputs of a known encoding.
constexpr int inputCountOf(int encoding) {
    switch (encoding) {
    case kRichEncoding:
        return kRichInputCount;
    case kRaceEncoding:
        return kRaceInputCount;
    default:
        return kInputCount;
    }
}

// The inputs that are not zero, in increasing index order: a position sets
// only a few dozen of them, and only those touch the network's hidden layer.
struct NetworkInputs {
    int count = 0;
    std::array<std::uint16_t, kMaxInputCount> index;
    std::array<float, kMaxInputCount> value;
};

// Fills `inputs` for `position` with `sideToMove` about to roll. Counts below
// zero (which no legal position has) are read as zero. Never allocates.
void encodePosition(const BoardPosition& position, int sideToMove, NetworkInputs& inputs,
                    int encoding = kBasicEncoding);

// Whether a checker of one side can still meet one of the other.
bool sidesInContact(const BoardPosition& position);

// The same position with the sides swapped and the board turned round: what
// the other side sees. Its encoding with the other side to move equals the
// encoding of the original.
BoardPosition mirroredPosition(const BoardPosition& position);

} // namespace vh
