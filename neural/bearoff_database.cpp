#include "neural/bearoff_database.h"

#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/crc32.h"
#include "platform/data_file.h"
#include "platform/program_folders.h"
#include "rules/move_generator.h"
#include "rules/play_list.h"
#include "rules/side.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>

namespace vh {
namespace {

constexpr std::uint32_t kMagic = 0x4F424856; // "VHBO"
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderBytes = 5 * 4;
constexpr std::size_t kChecksumBytes = 4;
constexpr double kUnit = 65535.0;

constexpr std::size_t choose(int n, int k) {
    if (k < 0 || n < k) {
        return 0;
    }
    std::size_t result = 1;
    for (int i = 1; i <= k; ++i) {
        result = result * static_cast<std::size_t>(n - k + i) / static_cast<std::size_t>(i);
    }
    return result;
}

static_assert(choose(21, 6) == BearoffDatabase::kPlacements);
static_assert(choose(20, 5) == BearoffDatabase::kFullPlacements);

int total(const HomeCounts& counts) {
    return std::accumulate(counts.begin(), counts.end(), 0);
}

// The number of a split of fifteen checkers into parts, numbered by the
// combinatorial number system of the dividers between the parts: the first
// `dividers` counts fix it.
std::size_t splitIndex(const HomeCounts& counts, int dividers) {
    std::size_t index = 0;
    int place = -1;
    for (int point = 0; point < dividers; ++point) {
        place += counts[static_cast<std::size_t>(point)] + 1;
        index += choose(place, point + 1);
    }
    return index;
}

// A placement with the checkers off is a split into seven parts: six
// dividers among 21 places.
std::size_t placementIndex(const HomeCounts& counts) {
    return splitIndex(counts, 6);
}

// Fifteen checkers on six points: five dividers among 20.
std::size_t fullPlacementIndex(const HomeCounts& counts) {
    return splitIndex(counts, 5);
}

int pips(const HomeCounts& counts) {
    int sum = 0;
    for (int point = 0; point < 6; ++point) {
        sum += (point + 1) * counts[static_cast<std::size_t>(point)];
    }
    return sum;
}

std::vector<HomeCounts> everyPlacement() {
    std::vector<HomeCounts> all;
    all.reserve(BearoffDatabase::kPlacements);
    HomeCounts counts{};
    const auto fill = [&](auto& self, int point, int left) -> void {
        if (point == 6) {
            all.push_back(counts);
            return;
        }
        for (int n = 0; n <= left; ++n) {
            counts[static_cast<std::size_t>(point)] = n;
            self(self, point + 1, left - n);
        }
    };
    fill(fill, 0, kCheckersPerSide);
    // Every play lowers the pip count: what a placement leads to comes first.
    std::stable_sort(all.begin(), all.end(),
                     [](const HomeCounts& a, const HomeCounts& b) { return pips(a) < pips(b); });
    return all;
}

// Side 0 alone on its home points, the other side all borne off.
BoardPosition loneBearoff(const HomeCounts& counts) {
    BoardPosition position;
    clearPosition(position);
    for (int point = 0; point < 6; ++point) {
        position[point] = {counts[static_cast<std::size_t>(point)], 0};
    }
    position[OFF_ONE] = {kCheckersPerSide - total(counts), 0};
    position[OFF_TWO] = {kCheckersPerSide, 1};
    return position;
}

// Works a distribution out in doubles from the rolls' best successors.
struct Working {
    std::vector<std::array<double, BearoffDatabase::kRolls>> off;
    std::vector<double> offMean;
    std::vector<std::array<double, BearoffDatabase::kRolls>> firstOff;
    std::vector<double> firstOffMean;
};

// One roll more than the successor: its chances shifted by one, the tail
// kept in the last entry.
void addShifted(std::array<double, BearoffDatabase::kRolls>& into,
                const std::array<double, BearoffDatabase::kRolls>& from, double weight) {
    for (int n = 0; n + 1 < BearoffDatabase::kRolls; ++n) {
        into[static_cast<std::size_t>(n + 1)] += weight * from[static_cast<std::size_t>(n)];
    }
    into[BearoffDatabase::kRolls - 1] += weight * from[BearoffDatabase::kRolls - 1];
}

std::uint16_t stored(double chance) {
    return static_cast<std::uint16_t>(std::lround(std::clamp(chance, 0.0, 1.0) * kUnit));
}

BearoffDatabase::Distribution readBack(std::span<const std::uint16_t> row) {
    BearoffDatabase::Distribution out{};
    for (std::size_t n = 0; n < out.size(); ++n) {
        out[n] = static_cast<float>(row[n] / kUnit);
    }
    return out;
}

// P(x >= n) for each n, from the chances of exactly n.
std::array<double, BearoffDatabase::kRolls + 1>
atLeast(const BearoffDatabase::Distribution& exactly) {
    std::array<double, BearoffDatabase::kRolls + 1> tail{};
    for (int n = BearoffDatabase::kRolls - 1; n >= 0; --n) {
        tail[static_cast<std::size_t>(n)] =
            tail[static_cast<std::size_t>(n + 1)] + exactly[static_cast<std::size_t>(n)];
    }
    return tail;
}

} // namespace

BearoffDatabase BearoffDatabase::build() {
    const std::vector<HomeCounts> placements = everyPlacement();
    Working work;
    work.off.assign(kPlacements, {});
    work.offMean.assign(kPlacements, 0.0);
    work.firstOff.assign(kFullPlacements, {});
    work.firstOffMean.assign(kFullPlacements, 0.0);
    work.off[placementIndex(HomeCounts{})][0] = 1.0;
    const auto plays = std::make_unique<PlayList>();
    for (const HomeCounts& counts : placements) {
        if (total(counts) == 0) {
            continue;
        }
        const bool full = total(counts) == kCheckersPerSide;
        std::array<double, kRolls> off{};
        double offMean = 1.0;
        std::array<double, kRolls> firstOff{};
        double firstOffMean = 1.0;
        for (int die1 = 1; die1 <= 6; ++die1) {
            for (int die2 = die1; die2 <= 6; ++die2) {
                const double weight = (die1 == die2 ? 1.0 : 2.0) / 36.0;
                BoardPosition position = loneBearoff(counts);
                generatePlays(*plays, position, 0, die1, die2);
                std::size_t bestOff = 0;
                double bestOffMean = 1e9;
                std::optional<std::size_t> bestFirst;
                double bestFirstMean = 1e9;
                bool bearsOneOff = false; // the roll can bear the first checker off
                for (const Play& play : *plays) {
                    BoardPosition after = position;
                    applyPlay(play, after);
                    const HomeCounts next = homeCounts(after, 0);
                    const std::size_t index = placementIndex(next);
                    if (work.offMean[index] < bestOffMean) {
                        bestOffMean = work.offMean[index];
                        bestOff = index;
                    }
                    if (full && total(next) == kCheckersPerSide) {
                        const std::size_t fullIndex = fullPlacementIndex(next);
                        if (work.firstOffMean[fullIndex] < bestFirstMean) {
                            bestFirstMean = work.firstOffMean[fullIndex];
                            bestFirst = fullIndex;
                        }
                    } else if (full) {
                        bearsOneOff = true;
                    }
                }
                addShifted(off, work.off[bestOff], weight);
                offMean += weight * bestOffMean;
                if (full && bearsOneOff) {
                    firstOff[1] += weight;
                } else if (full && bestFirst) {
                    addShifted(firstOff, work.firstOff[*bestFirst], weight);
                    firstOffMean += weight * bestFirstMean;
                }
            }
        }
        const std::size_t index = placementIndex(counts);
        work.off[index] = off;
        work.offMean[index] = offMean;
        if (full) {
            const std::size_t fullIndex = fullPlacementIndex(counts);
            work.firstOff[fullIndex] = firstOff;
            work.firstOffMean[fullIndex] = firstOffMean;
        }
    }
    BearoffDatabase database;
    database.off_.reserve(kPlacements * kRolls);
    for (const auto& row : work.off) {
        for (const double chance : row) {
            database.off_.push_back(stored(chance));
        }
    }
    database.firstOff_.reserve(kFullPlacements * kRolls);
    for (const auto& row : work.firstOff) {
        for (const double chance : row) {
            database.firstOff_.push_back(stored(chance));
        }
    }
    return database;
}

BearoffDatabase::Distribution BearoffDatabase::offIn(const HomeCounts& counts) const {
    return readBack(std::span(off_).subspan(placementIndex(counts) * kRolls, kRolls));
}

BearoffDatabase::Distribution BearoffDatabase::firstOffIn(const HomeCounts& counts) const {
    if (total(counts) < kCheckersPerSide) {
        Distribution atOnce{};
        atOnce[0] = 1.0f;
        return atOnce;
    }
    return readBack(std::span(firstOff_).subspan(fullPlacementIndex(counts) * kRolls, kRolls));
}

double BearoffDatabase::expectedRolls(const HomeCounts& counts) const {
    const Distribution chances = offIn(counts);
    double mean = 0.0;
    for (int n = 0; n < kRolls; ++n) {
        mean += n * static_cast<double>(chances[static_cast<std::size_t>(n)]);
    }
    return mean;
}

std::vector<std::byte> BearoffDatabase::fileBytes() const {
    BinaryWriter out;
    out.writeUInt32(kMagic);
    out.writeUInt32(kVersion);
    out.writeUInt32(static_cast<std::uint32_t>(kPlacements));
    out.writeUInt32(static_cast<std::uint32_t>(kFullPlacements));
    out.writeUInt32(kRolls);
    for (const std::uint16_t value : off_) {
        out.writeUInt16(value);
    }
    for (const std::uint16_t value : firstOff_) {
        out.writeUInt16(value);
    }
    out.writeUInt32(crc32(out.bytes()));
    return out.take();
}

std::optional<BearoffDatabase> BearoffDatabase::fromBytes(std::span<const std::byte> bytes,
                                                          std::string& error) {
    constexpr std::size_t kExpected =
        kHeaderBytes + 2 * kRolls * (kPlacements + kFullPlacements) + kChecksumBytes;
    BinaryReader in(bytes);
    std::array<std::uint32_t, 5> header{};
    if (!readDataHeader(in, header, kMagic, kVersion, "a bear-off database", error)) {
        return std::nullopt;
    }
    const auto [magic, version, placements, full, rolls] = header;
    if (placements != kPlacements || full != kFullPlacements || rolls != kRolls) {
        error = "its sizes do not fit";
        return std::nullopt;
    }
    if (bytes.size() != kExpected) {
        error = "it holds " + std::to_string(bytes.size()) + " bytes instead of " +
                std::to_string(kExpected);
        return std::nullopt;
    }
    BearoffDatabase database;
    database.off_.resize(kPlacements * kRolls);
    database.firstOff_.resize(kFullPlacements * kRolls);
    for (std::uint16_t& value : database.off_) {
        in.readUInt16(value);
    }
    for (std::uint16_t& value : database.firstOff_) {
        in.readUInt16(value);
    }
    std::uint32_t checksum = 0;
    in.readUInt32(checksum);
    if (in.failed() || checksum != crc32(bytes.first(kExpected - kChecksumBytes))) {
        error = "its checksum does not match";
        return std::nullopt;
    }
    return database;
}

bool BearoffDatabase::writeFile(const std::filesystem::path& path, std::string& error) const {
    return writeFileAtomically(path, fileBytes(), &error);
}

std::optional<BearoffDatabase> BearoffDatabase::readFile(const std::filesystem::path& path,
                                                         std::string& error) {
    constexpr std::size_t kFileBytes =
        kHeaderBytes + 2 * kRolls * (kPlacements + kFullPlacements) + kChecksumBytes;
    const std::optional<std::vector<std::byte>> bytes = readDataFile(path, kFileBytes, error);
    return bytes ? fromBytes(*bytes, error) : std::nullopt;
}

std::shared_ptr<const BearoffDatabase> shippedBearoff() {
    static std::mutex guard;
    static std::map<std::filesystem::path, std::shared_ptr<const BearoffDatabase>> read;
    const std::filesystem::path path = dataPath("Data/Bearoff.dat");
    const std::lock_guard lock(guard);
    if (const auto known = read.find(path); known != read.end()) {
        return known->second;
    }
    std::string error;
    std::optional<BearoffDatabase> database = BearoffDatabase::readFile(path, error);
    auto& kept = read[path];
    if (database) {
        kept = std::make_shared<const BearoffDatabase>(std::move(*database));
    }
    return kept;
}

HomeCounts homeCounts(const BoardPosition& position, int side) {
    HomeCounts counts{};
    for (int point = 0; point < 6; ++point) {
        const BoardEntry& entry = position[side == 0 ? point : 23 - point];
        counts[static_cast<std::size_t>(point)] = entry.heldBy(side) ? entry.count : 0;
    }
    return counts;
}

bool isHomeBearoff(const BoardPosition& position) {
    for (int side = 0; side < 2; ++side) {
        const int home = total(homeCounts(position, side));
        if (home + position[offEntry(side)].count != kCheckersPerSide) {
            return false;
        }
    }
    return true;
}

OutcomeChances bearoffChances(const BearoffDatabase& database, const BoardPosition& position,
                              int sideToMove) {
    const int other = otherSide(sideToMove);
    const HomeCounts mover = homeCounts(position, sideToMove);
    const HomeCounts opponent = homeCounts(position, other);
    const BearoffDatabase::Distribution moverOff = database.offIn(mover);
    const auto opponentOffAtLeast = atLeast(database.offIn(opponent));
    const auto opponentFirstAtLeast = atLeast(database.firstOffIn(opponent));
    const auto moverFirstAtLeast = atLeast(database.firstOffIn(mover));
    const BearoffDatabase::Distribution opponentOff = database.offIn(opponent);
    // The mover's n-th roll comes before the opponent's n-th: the mover wins
    // when it needs no more rolls than the opponent, and gammons it when the
    // opponent's first checker would come off at its n-th roll or later.
    OutcomeChances chances{};
    double win = 0.0;
    double winGammon = 0.0;
    double loseGammon = 0.0;
    for (int n = 0; n < BearoffDatabase::kRolls; ++n) {
        const auto at = static_cast<std::size_t>(n);
        win += moverOff[at] * opponentOffAtLeast[at];
        winGammon += moverOff[at] * opponentFirstAtLeast[at];
        loseGammon += opponentOff[at] * moverFirstAtLeast[at + 1];
    }
    chances[kWin] = static_cast<float>(std::clamp(win, 0.0, 1.0));
    chances[kWinGammon] = static_cast<float>(std::clamp(winGammon, 0.0, 1.0));
    chances[kLoseGammon] = static_cast<float>(std::clamp(loseGammon, 0.0, 1.0));
    return consistent(chances);
}

} // namespace vh
