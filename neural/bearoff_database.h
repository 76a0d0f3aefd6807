#pragma once

#include "neural/outcome.h"
#include "rules/board_position.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vh {

// The checkers one side has on its six home points, its 1 point first.
using HomeCounts = std::array<int, 6>;

// The solved race at its end: for every way of placing up to fifteen
// checkers on a side's six home points, the chances of bearing them all off
// in exactly n rolls, playing each roll to need the fewest rolls on
// average; and for the placements of all fifteen, the chances of bearing
// off the first checker in exactly n rolls (playing for that), which decide
// gammons. Built by the program itself, roll by roll from the empty board up.
//
// Its file, Data/Bearoff.dat, little-endian: magic "VHBO" (uint32
// 0x4F424856), version (uint32, 1), placements (uint32, 54264), placements
// of fifteen (uint32, 15504), rolls kept (uint32, 32), then every
// placement's chances of bearing off in 0 to 31 rolls and every fifteen's
// chances of the first checker in 0 to 31 rolls, each as uint16 in units of
// 1/65535 (the last entry also holds the chance of needing more), and the
// CRC-32 of all the bytes before it (uint32).
class BearoffDatabase {
public:
    static constexpr int kRolls = 32;
    static constexpr std::size_t kPlacements = 54264;     // up to 15 checkers on 6 points
    static constexpr std::size_t kFullPlacements = 15504; // exactly 15 on 6 points
    using Distribution = std::array<float, kRolls>;

    // Works the whole table out (a few seconds).
    static BearoffDatabase build();

    // The chance of bearing every checker of `counts` off in exactly n rolls.
    Distribution offIn(const HomeCounts& counts) const;
    // The chance of bearing the first checker off in exactly n rolls: at once
    // (n = 0) when fewer than fifteen are left.
    Distribution firstOffIn(const HomeCounts& counts) const;
    // The average rolls to bear everything off.
    double expectedRolls(const HomeCounts& counts) const;

    std::vector<std::byte> fileBytes() const;
    // The table of the bytes, or nothing with `error` saying what is wrong.
    static std::optional<BearoffDatabase> fromBytes(std::span<const std::byte> bytes,
                                                    std::string& error);
    bool writeFile(const std::filesystem::path& path, std::string& error) const;
    static std::optional<BearoffDatabase> readFile(const std::filesystem::path& path,
                                                   std::string& error);

private:
    BearoffDatabase() = default;

    std::vector<std::uint16_t> off_;      // kPlacements x kRolls
    std::vector<std::uint16_t> firstOff_; // kFullPlacements x kRolls
};

// The database of the program's data folder, Data/Bearoff.dat, read once
// and shared; none when it is missing or damaged (the network then judges
// bear-offs too).
std::shared_ptr<const BearoffDatabase> shippedBearoff();

// Whether both sides have every checker left on their own home points (or
// borne off): a race without contact that the database settles.
bool isHomeBearoff(const BoardPosition& position);
// The checkers `side` has on its home points, its 1 point first.
HomeCounts homeCounts(const BoardPosition& position, int side);
// The chances of `sideToMove`, about to roll, in such a bear-off.
OutcomeChances bearoffChances(const BearoffDatabase& database, const BoardPosition& position,
                              int sideToMove);

} // namespace vh
