// write_fuzz_seeds FOLDER: writes FOLDER/<target>/<seed>, a few small valid
// files for each fuzz target, made by the program's own writers (and the .bmp
// layouts of the board tests).

#include "board/bmp_file.h"
#include "board/png_file.h"
#include "match/mat_file.h"
#include "match/saved_game.h"
#include "neural/weights_file.h"
#include "players/computer_profile.h"
#include "players/stats_file.h"
#include "rules/match_id.h"
#include "rules/position_id.h"
#include "settings/coach_settings.h"
#include "settings/settings_file.h"
#include "tests/board/bmp_builder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>
#include <stb_image_write.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SeedFolder {
public:
    explicit SeedFolder(fs::path root) : root_(std::move(root)) {}

    void write(const std::string& target, const std::string& name,
               std::span<const std::byte> bytes) {
        const fs::path folder = root_ / target;
        fs::create_directories(folder);
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        ok_ = ok_ && out.good();
    }
    void write(const std::string& target, const std::string& name, std::string_view text) {
        write(target, name, std::as_bytes(std::span(text.data(), text.size())));
    }
    bool ok() const { return ok_; }

private:
    fs::path root_;
    bool ok_ = true;
};

vh::PixelImage gradient(int width, int height) {
    vh::PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 40),
                              static_cast<std::uint8_t>((x + y) * 20)};
        }
    }
    return image;
}

std::vector<std::byte> jpegOf(const vh::PixelImage& image, int quality) {
    std::vector<std::uint8_t> samples;
    for (const vh::Rgb pixel : image.pixels()) {
        samples.insert(samples.end(), {pixel.red, pixel.green, pixel.blue});
    }
    std::vector<std::byte> bytes;
    stbi_write_jpg_to_func(
        [](void* context, void* data, int size) {
            auto& out = *static_cast<std::vector<std::byte>*>(context);
            const auto* begin = static_cast<const std::byte*>(data);
            out.insert(out.end(), begin, begin + size);
        },
        &bytes, image.width(), image.height(), 3, samples.data(), quality);
    return bytes;
}

void writeSettings(SeedFolder& seeds) {
    seeds.write("settings", "defaults.dat", vh::encodeSettings(vh::GameSettings{}));
    vh::GameSettings settings;
    settings.playerIsComputer = {0, 1};
    settings.playerName = {"Ann", "Greta Holm"};
    settings.useTimer = 1;
    settings.initialMinutes = 5;
    settings.wallpaperMode = 1;
    settings.wallpaperPath = "Wallpapers/Marble.bmp";
    settings.statisticsPlayer = "Ann";
    settings.matchBet = 10;
    seeds.write("settings", "two-players.dat", vh::encodeSettings(settings));
    // A file of an older version ends before its last fields.
    const auto bytes = vh::encodeSettings(settings);
    seeds.write("settings", "short.dat", std::span(bytes).first(200));

    seeds.write("coach_settings", "tutor-off.dat", vh::encodeCoachSettings({false}));
    seeds.write("coach_settings", "tutor-on.dat", vh::encodeCoachSettings({true}));
}

vh::GameResult game(const std::string& first, const std::string& second, int lostSide) {
    vh::GameResult result;
    result.names = {first, second};
    result.isComputer = {0, 1};
    result.bet = {10, 10};
    result.lost[static_cast<std::size_t>(lostSide)] = 1;
    result.money = {lostSide == 0 ? -20 : 20, lostSide == 0 ? 20 : -20};
    result.resultKind = 2;
    result.cubeValue = 2;
    result.day = 3;
    result.month = 2;
    result.year = 2004;
    result.startTime = 50'400'000;
    result.endTime = 51'000'000;
    return result;
}

void writeStats(SeedFolder& seeds) {
    seeds.write("stats", "empty.dat", vh::encodeStats(std::span<const vh::PlayerRecord>{}));
    std::vector<vh::PlayerRecord> records(2);
    records[0].name = "Ann";
    records[0].description = "plays on Sundays";
    records[0].age = 34;
    records[0].history = {game("Ann", "Greta Holm", 1), game("Ann", "Bob", 0)};
    records[1].name = "Bob";
    records[1].photoPath = "Photos/Bob.bmp";
    records[1].history = {game("Ann", "Bob", 0)};
    seeds.write("stats", "two-players.dat", vh::encodeStats(records));
}

std::string profileText(int index) {
    return "Opponent " + std::to_string(index) + "\n" + std::to_string(20 + index) + "\nLevel " +
           std::to_string(index) + "\n" + std::to_string(100 * index) + "\n" +
           std::to_string(index % 3) + "\n" + std::to_string(10 * index) +
           "\nPlays the back game.\n-\n";
}

void writeRosters(SeedFolder& seeds) {
    std::string roster;
    for (int index = 1; index <= vh::kRosterSize; ++index) {
        roster += profileText(index);
    }
    seeds.write("roster", "ten.dat", roster);
    seeds.write("roster", "utf8-crlf.dat",
                "\xEF\xBB\xBFJ\xC3\xBCrgen\r\n  41\r\nExpert\r\n900\r\n2\r\n-35\r\n"
                "Caf\xC3\xA9 player.\r\n-\r\n");
    seeds.write("champion", "champion.dat", profileText(11));
    seeds.write("champion", "no-separator.dat", "Champion\n99\nWorld Class\n5000\n0\n0\nBest.");
}

vh::SavedGame timedGame() {
    vh::SavedGame game;
    game.turnsPlayed = 1;
    game.currentSide = 1;
    game.gameTimeMs = 65000;
    game.timed = true;
    game.initialSeconds = 300;
    game.extraSeconds = 10;
    game.players[0] = {"Ann", 0, 0, 250000};
    game.players[1] = {"Greta Holm", 1, 1, 299000};
    game.die1 = 4;
    game.die2 = 2;
    game.cubeValue = 2;
    vh::setStartPosition(game.position);
    game.historyIsComputer = {0, 1};
    game.historyCursor = 1;
    vh::SavedTurn turn;
    turn.side = 0;
    turn.play.count = 2;
    turn.play.moves[0] = {6, 23, 17, 0};
    turn.play.moves[1] = {5, 17, 12, 0};
    game.history.push_back(turn);
    game.cubeOwner = 1;
    return game;
}

void writeSavedGames(SeedFolder& seeds) {
    vh::SavedGame start;
    start.players[0] = {"Ann", 0, 0, 0};
    start.players[1] = {"Bob", 0, 1, 0};
    start.die1 = 6;
    start.die2 = 1;
    vh::setStartPosition(start.position);
    seeds.write("saved_game", "start.vhf", vh::encodeSavedGame(start));
    seeds.write("saved_game", "timed.vhf", vh::encodeSavedGame(timedGame()));
    vh::SavedGame match = timedGame();
    match.matchLength = 7;
    match.score0 = 6;
    match.score1 = 4;
    match.crawford = 1;
    match.cubeValue = 1;
    match.cubeOwner = -1;
    seeds.write("saved_game", "crawford.vhf", vh::encodeSavedGame(match));
}

void writeWeights(SeedFolder& seeds) {
    vh::TrainedNetwork trained;
    float value = 0.25f;
    for (float& parameter : trained.network.parameters()) {
        parameter = value;
        value = -0.5f * value + 0.125f;
    }
    trained.gamesTrained = 1000;
    seeds.write("weights", "one-hidden-unit.weights", vh::weightsFileBytes(trained));

    vh::TrainingSettings settings;
    settings.hiddenUnits = 2;
    settings.encoding = vh::kRichEncoding;
    settings.plannedGames = 3000;
    settings.solvedBearoffs = true;
    vh::TrainedNetwork rich{vh::NeuralNetwork(2, vh::kRichEncoding), 2000, settings};
    for (float& parameter : rich.network.parameters()) {
        parameter = value;
        value = -0.5f * value + 0.125f;
    }
    seeds.write("weights", "rich-with-settings.weights", vh::weightsFileBytes(rich));
}

void writePictures(SeedFolder& seeds) {
    int index = 0;
    for (const vh::test::BmpLayout& layout : vh::test::sampleLayouts()) {
        const std::string name = "layout-" + std::to_string(++index) + "-" +
                                 std::to_string(layout.bitsPerPixel) + "-bit.bmp";
        seeds.write("bmp", name, vh::test::buildBmp(layout));
    }
    seeds.write("bmp", "written.bmp", vh::encodeBmp(gradient(5, 3)));

    seeds.write("picture", "written.bmp", vh::encodeBmp(gradient(3, 2)));
    seeds.write("picture", "rgb.png", vh::encodePng(gradient(5, 4)));
    const std::vector<std::uint8_t> rgba{255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 9, 9, 9, 9};
    seeds.write("picture", "rgba.png", vh::encodePngSamples(rgba, 2, 2, 4));
    seeds.write("picture", "fine.jpg", jpegOf(gradient(8, 8), 90));
    seeds.write("picture", "coarse.jpg", jpegOf(gradient(17, 9), 20));
}

void writeIds(SeedFolder& seeds) {
    vh::BoardPosition start;
    vh::setStartPosition(start);
    // The position target's first byte is the side on roll.
    seeds.write("position_id", "start.txt", "0" + vh::positionId(start, 0));
    // A checker of side 0 hit from its back point.
    vh::BoardPosition bar = start;
    bar[23].count -= 1;
    bar[vh::barEntry(0)] = {1, 0};
    seeds.write("position_id", "on-the-bar.txt", "1" + vh::positionId(bar, 1));

    vh::MatchIdFields fields;
    fields.cubeValue = 2;
    fields.cubeOwner = 1;
    fields.die1 = 5;
    fields.die2 = 2;
    fields.matchLength = 7;
    fields.score0 = 3;
    fields.score1 = 1;
    seeds.write("match_id", "match.txt", vh::matchId(fields));
    seeds.write("match_id", "game.txt", vh::gameId(bar, fields));
    seeds.write("match_id", "position-alone.txt", " " + vh::positionId(start, 0) + "\n");
}

// The typed play target's first byte: the side on roll in its lowest bit,
// the first die above; the second byte the second die. Printable ones.
std::string rollBytes(int side, int die1, int die2) {
    std::string bytes;
    for (int c = '0'; bytes.empty(); ++c) {
        if ((c & 1) == side && 1 + (c >> 1) % 6 == die1) {
            bytes.push_back(static_cast<char>(c));
        }
    }
    for (int c = '0'; bytes.size() == 1; ++c) {
        if (1 + c % 6 == die2) {
            bytes.push_back(static_cast<char>(c));
        }
    }
    return bytes;
}

void writeTypedPlays(SeedFolder& seeds) {
    vh::BoardPosition start;
    vh::setStartPosition(start);
    const std::string startId = vh::positionId(start, 0);
    seeds.write("typed_play", "opening-31.txt", rollBytes(0, 3, 1) + startId + "8/5 6/5");
    seeds.write("typed_play", "opening-64.txt", rollBytes(1, 6, 4) + startId + "24/18 13/9");
    seeds.write("typed_play", "doubles.txt", rollBytes(0, 6, 6) + startId + "24/18(2) 13/7(2)");
    vh::BoardPosition bar = start;
    bar[23].count -= 1;
    bar[vh::barEntry(0)] = {1, 0};
    seeds.write("typed_play", "from-the-bar.txt",
                rollBytes(0, 5, 2) + vh::positionId(bar, 0) + "bar/20 13/11");
}

// A short match as players write it, read and written again by the program.
bool writeMatFiles(SeedFolder& seeds) {
    const std::string match = " 5 point match\n"
                              "\n"
                              " Game 1\n"
                              " Ann : 0                               Bob : 0\n"
                              "  1) 31: 8/5 6/5                        64: 24/18 13/9\n"
                              "  2) 55: 13/3(2)                        Doubles => 2\n"
                              "  3)  Takes                            21: 13/11 6/5\n"
                              "  4)  Doubles => 4                      Drops\n"
                              "      Wins 2 points\n";
    seeds.write("mat_file", "five-points.mat", match);
    vh::MatGames games;
    std::string error;
    if (!vh::readMatText(match, games, error)) {
        std::cerr << "the sample match does not read: " << error << '\n';
        return false;
    }
    seeds.write("mat_file", "written.mat", vh::matText(games.games.front()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_fuzz_seeds FOLDER\n";
        return 2;
    }
    SeedFolder seeds(argv[1]);
    writeSettings(seeds);
    writeStats(seeds);
    writeRosters(seeds);
    writeSavedGames(seeds);
    writeWeights(seeds);
    writePictures(seeds);
    writeIds(seeds);
    writeTypedPlays(seeds);
    if (!writeMatFiles(seeds) || !seeds.ok()) {
        std::cerr << "could not write every seed under " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
