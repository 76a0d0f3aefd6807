#include "neural/encoding.h"

#include "neural/contact_features.h"
#include "rules/side.h"

#include <algorithm>

namespace vh {
namespace {

constexpr float kBarScale = 0.5f;
constexpr float kBorneOffScale = 1.0f / 15.0f;
constexpr float kPipScale = 0.01f;

// Board point `point` as `side` counts it: 0 for the point next to its
// borne-off tray, 23 for the farthest.
constexpr int distanceIndex(int side, int point) {
    return side == PLAYER_ONE ? point : kPointCount - 1 - point;
}

int countOn(const BoardEntry& entry) {
    return std::max(entry.count, 0);
}

class InputWriter {
public:
    explicit InputWriter(NetworkInputs& inputs) : inputs_(inputs) { inputs_.count = 0; }

    void add(int index, float value) {
        if (value != 0.0f) {
            const auto at = static_cast<std::size_t>(inputs_.count++);
            inputs_.index[at] = static_cast<std::uint16_t>(index);
            inputs_.value[at] = value;
        }
    }

private:
    NetworkInputs& inputs_;
};

std::array<int, kPointCount> sideCounts(const BoardPosition& position, int side) {
    std::array<int, kPointCount> counts{};
    for (int point = 0; point < kPointCount; ++point) {
        if (position[point].owner == side) {
            counts[static_cast<std::size_t>(distanceIndex(side, point))] = countOn(position[point]);
        }
    }
    return counts;
}

void writePoints(const std::array<int, kPointCount>& counts, int base, InputWriter& out) {
    for (int index = 0; index < kPointCount; ++index) {
        const int count = counts[static_cast<std::size_t>(index)];
        const int unit = base + index * kUnitsPerPoint;
        if (count >= 1) {
            out.add(unit, 1.0f);
        }
        if (count >= 2) {
            out.add(unit + 1, 1.0f);
        }
        if (count >= 3) {
            out.add(unit + 2, 1.0f);
        }
        if (count >= 4) {
            out.add(unit + 3, static_cast<float>(count - 3) * 0.5f);
        }
    }
}

// The distance index of `side`'s farthest checker: 24 on the bar, -1 when
// it has none left on the board.
int farthestChecker(const BoardPosition& position, int side) {
    if (countOn(position[barEntry(side)]) > 0) {
        return kPointCount;
    }
    const std::array<int, kPointCount> counts = sideCounts(position, side);
    for (int index = kPointCount - 1; index >= 0; --index) {
        if (counts[static_cast<std::size_t>(index)] > 0) {
            return index;
        }
    }
    return -1;
}

void writeBlock(const BoardPosition& position, int side, int base, InputWriter& out) {
    const std::array<int, kPointCount> counts = sideCounts(position, side);
    int pips = 0;
    for (int index = 0; index < kPointCount; ++index) {
        pips += counts[static_cast<std::size_t>(index)] * (index + 1);
    }
    writePoints(counts, base, out);
    const int bar = countOn(position[barEntry(side)]);
    pips += bar * (kPointCount + 1);
    out.add(base + kBarInput, static_cast<float>(bar) * kBarScale);
    out.add(base + kBorneOffInput,
            static_cast<float>(countOn(position[offEntry(side)])) * kBorneOffScale);
    out.add(base + kPipInput, static_cast<float>(pips) * kPipScale);
}

void writeRaceBlock(const BoardPosition& position, int side, int base, InputWriter& out) {
    const std::array<int, kPointCount> counts = sideCounts(position, side);
    writePoints(counts, base, out);
    int pips = 0;
    int crossovers = 0;
    int outside = 0;
    for (int index = 0; index < kPointCount; ++index) {
        const int count = counts[static_cast<std::size_t>(index)];
        pips += count * (index + 1);
        crossovers += count * (index / 6);
        outside += index >= 6 ? count : 0;
    }
    const int off = countOn(position[offEntry(side)]);
    const int at = base + kPointCount * kUnitsPerPoint;
    out.add(at, static_cast<float>(off) * kBorneOffScale);
    out.add(at + 1, off == 0 ? 1.0f : 0.0f);
    out.add(at + 2, static_cast<float>(pips) * kPipScale);
    out.add(at + 3, static_cast<float>(crossovers) * 0.1f);
    out.add(at + 4, static_cast<float>(outside) * kBorneOffScale);
}

} // namespace

void encodePosition(const BoardPosition& position, int sideToMove, NetworkInputs& inputs,
                    int encoding) {
    const int mover = sideToMove == PLAYER_ONE ? PLAYER_ONE : PLAYER_TWO;
    InputWriter out(inputs);
    if (encoding == kRaceEncoding) {
        writeRaceBlock(position, mover, 0, out);
        writeRaceBlock(position, otherSide(mover), kRaceBlockInputs, out);
        return;
    }
    writeBlock(position, mover, 0, out);
    writeBlock(position, otherSide(mover), kBlockInputs, out);
    if (sidesInContact(position)) {
        out.add(kContactInput, 1.0f);
        if (encoding == kRichEncoding) {
            int index = kInputCount;
            for (const int side : {mover, otherSide(mover)}) {
                const ContactFeatures features = contactFeatures(position, side);
                out.add(index++, features.shotChance);
                out.add(index++, features.escapeChance);
                out.add(index++, features.primeLength);
            }
        }
    }
}

bool sidesInContact(const BoardPosition& position) {
    // Two checkers can still meet while the farthest of each side has not
    // passed the farthest of the other.
    const int first = farthestChecker(position, PLAYER_ONE);
    const int second = farthestChecker(position, PLAYER_TWO);
    return first >= 0 && second >= 0 && first + second >= kPointCount;
}

BoardPosition mirroredPosition(const BoardPosition& position) {
    BoardPosition mirrored;
    for (int point = 0; point < kPointCount; ++point) {
        const BoardEntry& entry = position[point];
        BoardEntry& target = mirrored[kPointCount - 1 - point];
        target.count = entry.count;
        target.owner = entry.owner == kNoOwner ? kNoOwner : otherSide(entry.owner);
    }
    mirrored[BAR_ONE] = {position[BAR_TWO].count, PLAYER_ONE};
    mirrored[BAR_TWO] = {position[BAR_ONE].count, PLAYER_TWO};
    mirrored[OFF_ONE] = {position[OFF_TWO].count, PLAYER_ONE};
    mirrored[OFF_TWO] = {position[OFF_ONE].count, PLAYER_TWO};
    return mirrored;
}

} // namespace vh
