#include "players/player_store.h"
#include "settings/settings_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/temp_directory.h"
#include "tools/varnholt-cli/cli.h"

#include <gtest/gtest.h>
#include <sstream>

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

    const Outcome outcome = run({"stats"});
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.code, 0);
    // Loading reverses the saved order; names are shown as UTF-8.
    // Names take 32 characters: "J\xC3\xB6rg" is four of them, five bytes.
    EXPECT_EQ(outcome.out,
              "name                              games    won   lost        cash        time\n"
              "J\xC3\xB6rg" +
                  std::string(28, ' ') +
                  "      2      1      1         120     1:03:00\n"
                  "Anonymous                             3      2      1          90     1:04:00\n"
                  "Milo Finch                            1      0      1          90     0:01:00\n"
                  "3 players\n");
    EXPECT_EQ(run({"stats", "--file", (folder / "Data/Stats.dat").string()}).out, outcome.out);
}

TEST(DataCommands, StatsSaysWhenItCannotReadTheFile) {
    const test::TempDirectory folder("cli-stats");
    const std::string missing = (folder / "none.dat").string();
    Outcome outcome = run({"stats", "--file", missing});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err,
              "varnholt-cli: cannot read player file '" + missing + "': no such file\n");

    folder.write("negative.dat", std::string_view("\xFF\xFF\xFF\xFF", 4));
    outcome = run({"stats", "--file", (folder / "negative.dat").string()});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "varnholt-cli: cannot read player file '" +
                               (folder / "negative.dat").string() +
                               "': the player count -1 is negative\n");

    // A damaged file shows what could be read, then says what is wrong.
    PlayerStore store(folder / "damaged.dat");
    store.setLoadPhotos(false);
    store.recordGame(game("Ann", "Bob", 1, 10, 5));
    ASSERT_TRUE(store.savePlayers());
    std::filesystem::resize_file(folder / "damaged.dat", 4 + 4396 + 132 + 4396 + 100);
    outcome = run({"stats", "--file", (folder / "damaged.dat").string()});
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
    EXPECT_EQ(run({"stats", "--wrong"}).err,
              "varnholt-cli: unknown option '--wrong' for 'stats'\n");
}

TEST(DataCommands, SettingsPrintsEveryFieldByName) {
    const test::TempDirectory folder("cli-settings");
    GameSettings settings;
    settings.playerName = {"Ann \"the\" Bold", "Priya Nair"};
    settings.playerIsComputer[1] = 1;
    settings.matchBet = 20;
    settings.reservedText[13] = 0xAB;
    ASSERT_TRUE(saveSettings(settings));
    const Outcome outcome = run({"settings"});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, "reservedFirst 0\n"
                           "playerIsComputer[0] 0\n"
                           "playerIsComputer[1] 1\n"
                           "playerName[0] \"Ann \\\"the\\\" Bold\"\n"
                           "playerName[1] \"Priya Nair\"\n"
                           "useTimer 0\n"
                           "initialMinutes 0\n"
                           "initialSeconds 0\n"
                           "perMoveMinutes 0\n"
                           "perMoveSeconds 0\n"
                           "mouseInputMode 0\n"
                           "showMovesOnHover 0\n"
                           "completeAnimation 1\n"
                           "animationSpeed 1\n"
                           "muteSounds 0\n"
                           "wallpaperMode 0\n"
                           "bgRed 16\n"
                           "bgGreen 11\n"
                           "bgBlue 218\n"
                           "wallpaperPath \"\"\n"
                           "stretchWallpaper 0\n"
                           "statisticsPlayer \"\"\n"
                           "reservedText 00000000000000000000000000ab\n"
                           "startedFlag 1\n"
                           "pipColourA 0\n"
                           "pipColourB 16777215\n"
                           "stoneColourA 1\n"
                           "stoneColourB 2\n"
                           "boardWood 1\n"
                           "boardMarble 2\n"
                           "showPipNumbers 1\n"
                           "matchBet 20\n");
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
    outcome = run({"settings"});
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.out, defaults.out);
    EXPECT_EQ(outcome.err, "varnholt-cli: note: there is no " + settingsFilePath().string() +
                               " yet; the defaults are shown\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "Data")) << "showing creates nothing";

    outcome = run({"settings", "--file", (folder / "none.dat").string()});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "varnholt-cli: cannot read settings file '" +
                               (folder / "none.dat").string() + "': No such file or directory\n");
}

TEST(DataCommands, HelpListsTheDataCommands) {
    const Outcome outcome = run({"--help"});
    EXPECT_NE(outcome.out.find("stats [--file PATH]"), std::string::npos);
    EXPECT_NE(outcome.out.find("settings [--file PATH]"), std::string::npos);
}

} // namespace
} // namespace vh::cli
