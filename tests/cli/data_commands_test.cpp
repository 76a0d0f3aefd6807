#include "players/player_store.h"
#include "settings/settings_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh::cli {
namespace {

GameResult game(const std::string& side0, const std::string& side1, int loser, int stake,
                std::uint32_t minutes) {
    GameResult result;
    result.names = {side0, side1};
    result.lost = {loser == 0 ? 1 : 0, loser == 1 ? 1 : 0};
    result.money = {loser == 0 ? -stake : stake, loser == 1 ? -stake : stake};
    result.year = 2024;
    result.startTime = 1000;
    result.endTime = 1000 + minutes * 60000;
    result.duration = static_cast<std::int32_t>(minutes * 60000);
    return result;
}

TEST(DataCommands, StatsListsEveryPlayerWithTotals) {
    const test::TempDirectory folder("cli-stats");
    PlayerStore store;
    store.setLoadPhotos(false);
    store.recordGame(game("J\xF6rg", "Anonymous", 1, 25, 61));
    store.recordGame(game("J\xF6rg", "Anonymous", 0, 5, 2));
    store.recordGame(game("Anonymous", "Milo Finch", 1, 10, 1));
    ASSERT_TRUE(store.savePlayers());

    // Loading reverses the saved order; names are shown as UTF-8.
    // Names take 32 characters: "J\xC3\xB6rg" is four of them, five bytes.
    const std::string table =
        "name                              games    won   lost        cash        time\n"
        "J\xC3\xB6rg" +
        std::string(28, ' ') +
        "      2      1      1         120     1:03:00\n"
        "Anonymous                             3      2      1          90     1:04:00\n"
        "Milo Finch                            1      0      1          90     0:01:00\n"
        "3 players\n";
    expectOutput("stats", table);
    expectOutput("stats --file " + (folder / "Data/Stats.dat").string(), table);
}

TEST(DataCommands, StatsSaysWhenItCannotReadTheFile) {
    const test::TempDirectory folder("cli-stats");
    const std::string missing = (folder / "none.dat").string();
    expectRefused(
        {"stats --file " + missing, "cannot read player file '" + missing + "': no such file"});
    folder.write("negative.dat", std::string_view("\xFF\xFF\xFF\xFF", 4));
    const std::string negative = (folder / "negative.dat").string();
    expectRefused({"stats --file " + negative,
                   "cannot read player file '" + negative + "': the player count -1 is negative"});

    // A damaged file shows what could be read, then says what is wrong.
    PlayerStore store(folder / "damaged.dat");
    store.setLoadPhotos(false);
    store.recordGame(game("Ann", "Bob", 1, 10, 5));
    ASSERT_TRUE(store.savePlayers());
    std::filesystem::resize_file(folder / "damaged.dat", 4 + 4396 + 132 + 4396 + 100);
    const Outcome outcome = run({"stats", "--file", (folder / "damaged.dat").string()});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_NE(outcome.out.find("\nBob "), std::string::npos) << outcome.out;
    EXPECT_NE(
        outcome.out.find("\nAnn                                   0      0      0         100"),
        std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("2 players\n"), std::string::npos);
    EXPECT_EQ(outcome.err, "varnholt-cli: player file '" + (folder / "damaged.dat").string() +
                               "' is damaged (the games of player 2 are cut short after 0 of "
                               "1); shown are the 2 players read before the damage\n");
}

TEST(DataCommands, SettingsPrintsEveryFieldByName) {
    const test::TempDirectory folder("cli-settings");
    GameSettings settings;
    settings.playerName = {"Ann \"the\" Bold", "Priya Nair"};
    settings.playerIsComputer[1] = 1;
    settings.matchBet = 20;
    settings.reservedText[13] = 0xAB;
    ASSERT_TRUE(saveSettings(settings));
    const Outcome outcome = run("settings");
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, "");
    // One line a field, in the file's order; names quoted with escapes.
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 32);
    EXPECT_EQ(outcome.out.rfind("reservedFirst 0\nplayerIsComputer[0] 0\n", 0), 0u);
    for (const char* line : {"\nplayerIsComputer[1] 1\nplayerName[0] \"Ann \\\"the\\\" Bold\"\n",
                             "\nreservedText 00000000000000000000000000ab\n", "\nbgBlue 218\n"}) {
        EXPECT_NE(outcome.out.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(outcome.out.substr(outcome.out.size() - 12), "matchBet 20\n");
}

TEST(DataCommands, SettingsNotesAShortFileShowsDefaultsForNoneAndRefusesAMissingNamedOne) {
    const test::TempDirectory folder("cli-settings");
    std::vector<std::byte> bytes = encodeSettings(GameSettings{});
    bytes.resize(132);
    folder.write("short.dat", bytes);
    Outcome outcome = run({"settings", "--file", (folder / "short.dat").string()});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_NE(outcome.out.find("matchBet 1\n"), std::string::npos);
    EXPECT_EQ(outcome.err, "varnholt-cli: note: " + (folder / "short.dat").string() +
                               " holds 19 of 32 fields; the others show their defaults\n");

    // Before the first option is saved the user has no settings file.
    folder.write("defaults.dat", encodeSettings(GameSettings{}));
    const Outcome defaults = run({"settings", "--file", (folder / "defaults.dat").string()});
    outcome = run("settings");
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out, defaults.out);
    EXPECT_EQ(outcome.err, "varnholt-cli: note: there is no " + settingsFilePath().string() +
                               " yet; the defaults are shown\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "Data")) << "showing creates nothing";

    const std::string missing = (folder / "none.dat").string();
    expectRefused({"settings --file " + missing,
                   "cannot read settings file '" + missing + "': No such file or directory"});
}

} // namespace
} // namespace vh::cli
