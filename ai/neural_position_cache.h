#pragma once

#include "neural/outcome.h"
#include "rules/board_position.h"

#include <array>
#include <cstdint>
#include <memory>

namespace vh {

// The network's chances for positions a search has already judged: a fixed
// table of the last position seen at each slot, keyed by the whole placement
// and the side to roll, so a hit is never another position. Begin every
// search with beginSearch(): what earlier searches left, perhaps by another
// network, is then never read.
class NeuralPositionCache {
public:
    static constexpr std::size_t kSlots = std::size_t{1} << 16;

    NeuralPositionCache() : slots_(std::make_unique<Slot[]>(kSlots)) {}

    void beginSearch() { ++generation_; }

    // The chances stored for `position` with `sideToRoll` to roll, or null.
    const OutcomeChances* find(const BoardPosition& position, int sideToRoll) {
        keyOf(position, sideToRoll);
        const Slot& slot = slots_[slotIndex_];
        return slot.generation == generation_ && slot.key == key_ ? &slot.chances : nullptr;
    }

    // Stores the chances of the position last given to find().
    void store(const OutcomeChances& chances) { slots_[slotIndex_] = {key_, generation_, chances}; }

private:
    using Key = std::array<std::int8_t, kEntryCount + 1>;
    struct Slot {
        Key key{};
        std::uint32_t generation = 0;
        OutcomeChances chances{};
    };

    void keyOf(const BoardPosition& position, int sideToRoll) {
        std::uint64_t hash = 0xCBF29CE484222325ull ^ static_cast<std::uint64_t>(sideToRoll);
        for (int index = 0; index < kEntryCount; ++index) {
            const BoardEntry& entry = position[index];
            const bool negative = index < kPointCount && entry.count >= 1 && entry.owner == 1;
            const auto count = static_cast<std::int8_t>(negative ? -entry.count : entry.count);
            key_[static_cast<std::size_t>(index)] = count;
            hash = (hash ^ static_cast<std::uint8_t>(count)) * 0x100000001B3ull;
        }
        key_[kEntryCount] = static_cast<std::int8_t>(sideToRoll);
        hash ^= hash >> 31;
        slotIndex_ = static_cast<std::size_t>(hash * 0x9E3779B97F4A7C15ull >> 48);
    }

    std::unique_ptr<Slot[]> slots_;
    std::uint32_t generation_ = 1;
    Key key_{};
    std::size_t slotIndex_ = 0;
};

} // namespace vh
