#include "platform/message_box.h"
#include "players/player_store.h"
#include "players/stats_file.h"
#include "tests/players/player_fixtures.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/mutations.h"
#include "tests/support/temp_directory.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vh {
namespace {

// Three players with 3, 0 and 5 games, and the offsets of every count.
struct SampleFile {
    std::vector<std::byte> bytes;
    std::vector<std::size_t> countOffsets;
    std::vector<PlayerRecord> records; // file order
};

SampleFile sampleFile() {
    SampleFile sample;
    const int games[] = {3, 0, 5};
    const char* names[] = {"Ann", "Bob", "Cleo"};
    sample.countOffsets.push_back(0);
    std::size_t offset = 4;
    for (int player = 0; player < 3; ++player) {
        PlayerRecord record;
        record.name = names[player];
        record.description = std::string("Player ") + names[player];
        record.age = 20 + player;
        for (int game = 0; game < games[player]; ++game) {
            record.history.push_back(
                test::onDate(test::makeGame(names[player], "Opponent", game % 2, 5 + game), 2024,
                             game, 1 + game, 1000u * static_cast<std::uint32_t>(game), 60000));
        }
        sample.countOffsets.push_back(offset + 32 + 256 + 4 + 4096);
        offset += kPlayerBlockSize + record.history.size() * kGameBlockSize;
        sample.records.push_back(record);
    }
    sample.bytes = encodeStats(sample.records);
    return sample;
}

bool sameFields(const PlayerRecord& a, const PlayerRecord& b) {
    return a.name == b.name && a.description == b.description && a.age == b.age &&
           a.photoPath == b.photoPath;
}

TEST(StatsMutation, EveryCutKeepsExactlyTheCompleteRecordsBeforeIt) {
    const SampleFile sample = sampleFile();
    for (std::size_t length = 0; length < sample.bytes.size(); ++length) {
        const DecodedStats decoded = decodeStats(std::span(sample.bytes).first(length));
        ASSERT_FALSE(decoded.damage.empty()) << length;
        // Players whose fixed block is whole are kept, with their whole games.
        std::size_t offset = 4;
        std::size_t kept = 0;
        for (const PlayerRecord& original : sample.records) {
            offset += kPlayerBlockSize;
            if (length < offset) {
                break;
            }
            ASSERT_GT(decoded.records.size(), kept) << length;
            const PlayerRecord& read = decoded.records[kept++];
            ASSERT_TRUE(sameFields(read, original)) << length;
            const std::size_t wholeGames =
                std::min(original.history.size(), (length - offset) / kGameBlockSize);
            ASSERT_EQ(read.history.size(), wholeGames) << length;
            ASSERT_TRUE(
                std::equal(read.history.begin(), read.history.end(), original.history.begin()))
                << length;
            offset += original.history.size() * kGameBlockSize;
        }
        ASSERT_EQ(decoded.records.size(), kept) << length;
    }
    EXPECT_TRUE(decodeStats(sample.bytes).damage.empty());
}

TEST(StatsMutation, DamagedFilesDecodeWithoutCrashOrAllocationBeyondTheirSize) {
    const SampleFile sample = sampleFile();
    std::mt19937 random(31337);
    int damaged = 0;
    for (int round = 0; round < 25000; ++round) {
        const std::vector<std::byte> bytes =
            test::mutate(sample.bytes, random, sample.countOffsets);
        DecodedStats decoded;
        {
            const test::AllocationWatch watch;
            decoded = decodeStats(bytes);
            // In memory a record costs about what it takes in the file.
            ASSERT_LE(watch.stats().totalBytes, 2 * bytes.size() + 4096) << round;
        }
        damaged += decoded.damage.empty() ? 0 : 1;
        std::size_t games = 0;
        for (const PlayerRecord& record : decoded.records) {
            ASSERT_LE(record.name.size(), 31u);
            ASSERT_LE(record.description.size(), 255u);
            ASSERT_LE(record.photoPath.size(), 4095u);
            games += record.history.size();
        }
        ASSERT_LE(decoded.records.size() * kPlayerBlockSize + games * kGameBlockSize, bytes.size());
    }
    EXPECT_GT(damaged, 5000);
}

TEST(StatsMutation, TheStoreKeepsEveryDamagedFileItReplaces) {
    const SampleFile sample = sampleFile();
    RecordingMessageBoxes boxes;
    const ScopedMessageBoxes installed(boxes);
    std::mt19937 random(4242);
    int kept = 0;
    for (int round = 0; round < 150; ++round) {
        const test::TempDirectory folder("stats-mutation");
        const std::vector<std::byte> bytes =
            test::mutate(sample.bytes, random, sample.countOffsets);
        folder.write("Data/Stats.dat", bytes);
        PlayerStore store;
        store.setLoadPhotos(false);
        const StoreLoad load = store.loadPlayers();
        boxes.clear();
        ASSERT_TRUE(store.savePlayers());
        if (load == StoreLoad::Damaged) {
            ++kept;
            ASSERT_EQ(test::readBytes(folder / "Data/Stats.dat.bad"), bytes);
            ASSERT_EQ(boxes.shown().size(), 1u);
        } else {
            ASSERT_FALSE(std::filesystem::exists(folder / "Data/Stats.dat.bad"));
            ASSERT_TRUE(boxes.shown().empty());
        }
        // What was saved reads back whole.
        PlayerStore reloaded;
        reloaded.setLoadPhotos(false);
        ASSERT_EQ(reloaded.loadPlayers(), StoreLoad::Read);
        ASSERT_EQ(reloaded.count(), store.count());
    }
    EXPECT_GT(kept, 50);
}

} // namespace
} // namespace vh
