#include "board/bmp_file.h"
#include "platform/message_box.h"
#include "players/player_store.h"
#include "players/stats_file.h"
#include "tests/players/player_fixtures.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

using test::makeGame;
using test::onDate;
using test::StatsBytes;
using test::withInt32;

class PlayerStoreTest : public testing::Test {
protected:
    PlayerStoreTest() : folder_("store"), installed_(boxes_) {
        std::filesystem::create_directories(folder_ / "Graphics");
        EXPECT_TRUE(saveBmpFile(folder_ / "Graphics/Human.bmp", PixelImage(75, 100, kWhite)));
    }

    std::filesystem::path statsPath() const { return folder_ / "Data/Stats.dat"; }
    std::vector<std::byte> statsBytes() const { return test::readBytes(statsPath()); }

    static PlayerRecord newPlayer(const std::string& name) {
        PlayerRecord record;
        record.name = name;
        record.setPhoto("");
        record.recomputeTotals();
        return record;
    }

    test::TempDirectory folder_;
    RecordingMessageBoxes boxes_;
    ScopedMessageBoxes installed_;
};

TEST_F(PlayerStoreTest, PlayersWithGamesAreWrittenByteForByteAndReadBack) {
    GameResult won = onDate(makeGame("Ann", "Milo Finch", 1, 10), 2024, 4, 9, 3600000, 900000);
    won.isComputer = {0, 1};
    won.resultKind = 2;
    won.cubeValue = 2;
    GameResult lost = onDate(makeGame("Bob", "Ann", 1, 8), 2024, 4, 10, 7200000, 600000);
    lost.stoneColour = {3, 2};
    // Across midnight: startTime wraps below 0.
    GameResult late = onDate(makeGame("Ann", "Bob", 0, 4), 2024, 4, 11, 0, 0);
    late.endTime = 10u * 60 * 1000;
    late.startTime = late.endTime - 20u * 60 * 1000;
    late.duration = 20 * 60 * 1000;

    PlayerRecord ann = newPlayer("Ann");
    ann.description = "Plays on Sundays";
    ann.age = 41;
    ann.addResult(won);
    ann.addResult(lost);
    ann.addResult(late);
    PlayerStore store;
    store.addPlayer(std::move(ann));
    store.addPlayer(newPlayer("Cleo"));
    ASSERT_TRUE(store.savePlayers());

    StatsBytes expected;
    expected.int32(2);
    expected.text("Cleo", 32).text("", 256).int32(0).text("", 4096).int32(0).int32(100);
    expected.text("Ann", 32)
        .text("Plays on Sundays", 256)
        .int32(41)
        .text("", 4096)
        .int32(3)
        .int32(98);
    expected.game(late).game(lost).game(won);
    EXPECT_EQ(statsBytes(), expected.bytes());
    EXPECT_TRUE(boxes_.shown().empty());

    PlayerStore loaded;
    ASSERT_EQ(loaded.loadPlayers(), StoreLoad::Read);
    ASSERT_EQ(loaded.count(), 2);
    EXPECT_EQ(loaded.playerAt(2), nullptr);
    EXPECT_EQ(loaded.playerAt(-1), nullptr);
    const PlayerRecord* back = loaded.findPlayer("Ann");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->description, "Plays on Sundays");
    EXPECT_EQ(back->age, 41);
    EXPECT_EQ(back->history, (std::vector<GameResult>{late, lost, won}));
    EXPECT_EQ(loaded.findPlayer("Cleo")->photo.width(), 75) << "the standard photo";
}

TEST_F(PlayerStoreTest, FindAddAndRemoveUseExactNames) {
    PlayerStore store;
    store.addPlayer(newPlayer("Anonymous"));
    store.addPlayer(newPlayer("Bob"));
    EXPECT_EQ(store.count(), 2);
    EXPECT_NE(store.findPlayer("Anonymous"), nullptr);
    EXPECT_EQ(store.findPlayer("anonymous"), nullptr);
    EXPECT_EQ(store.findPlayer("Anon"), nullptr);
    EXPECT_FALSE(store.removePlayer("bob"));
    EXPECT_TRUE(store.removePlayer("Bob"));
    EXPECT_FALSE(store.removePlayer("Bob"));
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(store.playerAt(0)->name, "Anonymous");
}

TEST_F(PlayerStoreTest, RecordGameFilesUnderEachHumanSideOnce) {
    const struct {
        const char* first;
        const char* second;
        std::array<std::int32_t, 2> isComputer;
        std::vector<std::string> filedUnder;
    } cases[] = {
        {"Ann", "Milo Finch", {0, 1}, {"Ann"}}, {"Milo Finch", "Ann", {1, 0}, {"Ann"}},
        {"Ann", "Bob", {0, 0}, {"Ann", "Bob"}}, {"Milo Finch", "Greta Holm", {1, 1}, {}},
        {"Ann", "Ann", {0, 0}, {"Ann"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " against " + c.second);
        GameResult game = makeGame(c.first, c.second, 1, 10);
        game.isComputer = c.isComputer;
        PlayerStore store;
        store.addPlayer(newPlayer("Ann"));
        store.recordGame(game);
        int filed = 0;
        for (int index = 0; index < store.count(); ++index) {
            const PlayerRecord& record = *store.playerAt(index);
            const bool expected = std::find(c.filedUnder.begin(), c.filedUnder.end(),
                                            record.name) != c.filedUnder.end();
            EXPECT_EQ(record.historyCount(), expected ? 1 : 0) << record.name;
            filed += record.historyCount();
        }
        EXPECT_EQ(filed, static_cast<int>(c.filedUnder.size()));
        EXPECT_EQ(store.findPlayer("Milo Finch"), nullptr) << "computers get no record";
    }
}

TEST_F(PlayerStoreTest, RecordGameCreatesMissingPlayersWithTheStandardPhoto) {
    PlayerStore store;
    store.addPlayer(newPlayer("Ann"));
    store.recordGame(makeGame("Ann", "Bob", 0, 25));
    ASSERT_EQ(store.count(), 2);
    const PlayerRecord* bob = store.playerAt(0);
    EXPECT_EQ(bob->name, "Bob");
    EXPECT_EQ(bob->cash, 125);
    EXPECT_EQ(bob->gamesWon, 1);
    EXPECT_EQ(bob->photoPath, "");
    EXPECT_EQ(bob->photo.height(), 100);
    EXPECT_EQ(store.findPlayer("Ann")->cash, 75);
    EXPECT_EQ(store.findPlayer("Ann")->gamesLost, 1);
    EXPECT_TRUE(boxes_.shown().empty());

    // Names too long for the file are filed as the file will hold them.
    store.recordGame(makeGame(std::string(40, 'z'), "Ann", 1, 1));
    EXPECT_NE(store.findPlayer(std::string(31, 'z')), nullptr);
    EXPECT_EQ(store.findPlayer(std::string(31, 'z'))->gamesPlayed, 1);
}

TEST_F(PlayerStoreTest, APhotoThatCannotBeReadFallsBackToTheStandardOne) {
    ASSERT_TRUE(saveBmpFile(folder_ / "me.bmp", PixelImage(30, 40, kBlack)));
    PlayerStore store;
    PlayerRecord ann = newPlayer("Ann");
    ann.setPhoto((folder_ / "me.bmp").string());
    EXPECT_EQ(ann.photo.width(), 30);
    store.addPlayer(std::move(ann));
    ASSERT_TRUE(store.savePlayers());
    store.loadPlayers();
    EXPECT_EQ(store.playerAt(0)->photoPath, (folder_ / "me.bmp").string());
    EXPECT_EQ(store.playerAt(0)->photo.width(), 30);

    std::filesystem::remove(folder_ / "me.bmp");
    store.loadPlayers();
    EXPECT_EQ(store.playerAt(0)->photoPath, "");
    EXPECT_EQ(store.playerAt(0)->photo.width(), 75);
    ASSERT_TRUE(store.savePlayers());
    EXPECT_EQ(statsBytes()[4 + 32 + 256 + 4], std::byte{0}) << "an empty path is written";
    EXPECT_TRUE(boxes_.shown().empty());

    // A missing standard photo is reported by the picture.
    std::filesystem::remove(folder_ / "Graphics/Human.bmp");
    EXPECT_TRUE(newPlayer("Bob").photo.isLoaded());
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{(folder_ / "Graphics/Human.bmp").string() +
                                                       " could not be loaded!"});
}

TEST_F(PlayerStoreTest, NoFileGivesAnEmptyStoreSilently) {
    PlayerStore store;
    store.addPlayer(newPlayer("Leftover"));
    EXPECT_EQ(store.loadPlayers(), StoreLoad::Missing);
    EXPECT_EQ(store.count(), 0);
    EXPECT_TRUE(store.damage().empty());
    ASSERT_TRUE(store.savePlayers());
    EXPECT_EQ(statsBytes(), test::HandBytes().int32(0).bytes());
    EXPECT_TRUE(boxes_.shown().empty());
}

// A store file with Ann (two games) and Bob (one game), in that order.
std::vector<std::byte> twoPlayerFile() {
    StatsBytes file;
    file.int32(2);
    file.text("Ann", 32).text("", 256).int32(30).text("", 4096).int32(2).int32(0);
    file.game(makeGame("Ann", "Bob", 1, 10)).game(makeGame("Ann", "Cleo", 0, 3));
    file.text("Bob", 32).text("", 256).int32(31).text("", 4096).int32(1).int32(0);
    file.game(makeGame("Ann", "Bob", 1, 10));
    return file.bytes();
}

TEST_F(PlayerStoreTest, EveryCompleteRecordIsKeptAndOnlyAFileEndingInsideOneIsDamaged) {
    const std::vector<std::byte> good = twoPlayerFile();
    const std::size_t annGames = 4 + 32 + 256 + 4 + 4096;
    std::vector<std::byte> trailing = good;
    trailing.push_back(std::byte{7});

    const struct {
        const char* name;
        std::vector<std::byte> bytes;
        std::vector<std::string> players; // store order
        std::vector<int> games;
        std::string damage; // empty: read without a fault
    } cases[] = {
        {"negative player count",
         withInt32(good, 0, -1),
         {},
         {},
         "the player count -1 is negative"},
        {"huge player count",
         withInt32(good, 0, 0x7FFFFFFF),
         {"Bob", "Ann"},
         {1, 2},
         "player 3 of 2147483647 is cut short"},
        {"player count too small", withInt32(good, 0, 1), {"Ann"}, {2}, ""},
        {"negative game count",
         withInt32(good, annGames, -5),
         {"Ann"},
         {0},
         "player 1 has a negative game count -5"},
        {"huge game count",
         withInt32(good, annGames, 1000000),
         {"Ann"},
         {36},
         "the games of player 1 are cut short after 36 of 1000000"},
        {"trailing byte", trailing, {"Bob", "Ann"}, {1, 2}, ""},
        {"empty", {}, {}, {}, "the file is empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        folder_.write("Data/Stats.dat", c.bytes);
        PlayerStore store;
        const bool damaged = !c.damage.empty();
        EXPECT_EQ(store.loadPlayers(), damaged ? StoreLoad::Damaged : StoreLoad::Read);
        EXPECT_EQ(store.damage(), c.damage);
        ASSERT_EQ(store.count(), static_cast<int>(c.players.size()));
        for (int index = 0; index < store.count(); ++index) {
            const auto at = static_cast<std::size_t>(index);
            EXPECT_EQ(store.playerAt(index)->name, c.players[at]);
            EXPECT_EQ(store.playerAt(index)->historyCount(), c.games[at]);
        }
    }
    // Cash comes from the games, not from the 0 the file holds.
    folder_.write("Data/Stats.dat", good);
    PlayerStore store;
    ASSERT_EQ(store.loadPlayers(), StoreLoad::Read);
    EXPECT_EQ(store.findPlayer("Ann")->cash, 107);
    EXPECT_EQ(store.findPlayer("Bob")->cash, 90);
}

TEST_F(PlayerStoreTest, ASaveAfterADamagedLoadKeepsTheDamagedFileAndSaysWhereOnce) {
    std::vector<std::byte> damaged = twoPlayerFile();
    damaged.resize(damaged.size() - 50);
    folder_.write("Data/Stats.dat", damaged);
    folder_.write("Data/Stats.dat.bad", "an older damaged file");

    PlayerStore store;
    ASSERT_EQ(store.loadPlayers(), StoreLoad::Damaged);
    EXPECT_TRUE(boxes_.shown().empty()) << "nothing is said until the file would be replaced";
    ASSERT_TRUE(store.savePlayers());
    const std::filesystem::path kept = folder_ / "Data/Stats.dat.bad2";
    EXPECT_EQ(test::readBytes(kept), damaged);
    EXPECT_EQ(test::readBytes(folder_ / "Data/Stats.dat.bad"),
              test::bytesOf("an older damaged file"));
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].caption, "Varnholt Backgammon");
    EXPECT_EQ(boxes_.shown()[0].text,
              "The player file " + statsPath().string() +
                  " could not be read completely (the games of player 2 are cut short after 0 "
                  "of 1). The damaged file was kept as " +
                  kept.string() +
                  ", and a new player file was written with the players that could be read.");

    ASSERT_TRUE(store.savePlayers());
    EXPECT_EQ(boxes_.shown().size(), 1u) << "told once";
    PlayerStore reloaded;
    EXPECT_EQ(reloaded.loadPlayers(), StoreLoad::Read);
    EXPECT_EQ(reloaded.count(), 2);
}

TEST_F(PlayerStoreTest, AnUnreadableFileIsKeptAsideToo) {
    std::filesystem::create_directories(statsPath() / "not a file");
    PlayerStore store;
    ASSERT_EQ(store.loadPlayers(), StoreLoad::Damaged);
    EXPECT_EQ(store.damage(), "not a regular file");
    store.addPlayer(newPlayer("Anonymous"));
    ASSERT_TRUE(store.savePlayers());
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "Data/Stats.dat.bad/not a file"));
    EXPECT_EQ(statsBytes().size(), 4400u);
    EXPECT_EQ(boxes_.shown().size(), 1u);
}

TEST_F(PlayerStoreTest, AFailedSaveIsReportedAndTheOldFileStays) {
    // A folder in the way: the new file cannot be renamed over it.
    std::filesystem::create_directories(statsPath() / "kept");
    PlayerStore store;
    store.addPlayer(newPlayer("Anonymous"));
    EXPECT_FALSE(store.savePlayers());
    ASSERT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(boxes_.shown()[0].text.rfind("The players could not be saved (", 0), 0u)
        << boxes_.shown()[0].text;
    EXPECT_NE(boxes_.shown()[0].text.find("The previous player file is unchanged."),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(statsPath() / "kept"));

    // A store path below a plain file cannot even be created.
    folder_.write("plain", "x");
    PlayerStore nowhere(folder_ / "plain/Stats.dat");
    EXPECT_FALSE(nowhere.savePlayers());
    EXPECT_EQ(boxes_.shown().size(), 2u);
}

} // namespace
} // namespace vh
