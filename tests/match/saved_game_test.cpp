#include "match/cube_value.h"
#include "match/saved_game.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"
#include "tests/support/hand_bytes.h"
#include "tests/support/mutations.h"

#include <filesystem>
#include <random>
#include <tuple>

namespace vh::test {
namespace {

// Start position, timed, one recorded turn: every field of the layout.
SavedGame sampleGame() {
    SavedGame game;
    game.turnsPlayed = 1;
    game.currentSide = 1;
    game.state = 2;
    game.gameTimeMs = 65000;
    game.timed = true;
    game.initialSeconds = 300;
    game.extraSeconds = 10;
    game.players[0] = {"Ann", 0, 0, 250000};
    game.players[1] = {"Greta Holm", 1, 1, 299000};
    game.die1 = 4;
    game.die2 = 2;
    game.cubeValue = 2;
    setStartPosition(game.position);
    game.historyIsComputer = {0, 1};
    game.historyCursor = 1;
    SavedTurn turn;
    turn.side = 0;
    turn.play.count = 2;
    turn.play.moves[0] = {6, 23, 17, 0};
    turn.play.moves[1] = {5, 17, 12, 1};
    game.history.push_back(turn);
    game.cubeOwner = 1;
    return game;
}

std::vector<std::byte> sampleBytes() {
    HandBytes b;
    b.int32(1).int32(1).int32(1).int32(2).int32(65000).byte(1).int32(300).int32(10);
    b.text("Ann", 32).int32(0).int32(0).int32(250000);
    b.text("Greta Holm", 32).int32(1).int32(1).int32(299000);
    b.int32(4).int32(2).int32(2);
    for (const BoardEntry& entry : startPosition().entries) {
        b.int32(entry.owner).int32(entry.count);
    }
    b.int32(0).int32(1).int32(1).int32(1);
    b.int32(0).int32(2);
    b.byte(0).int32(6).int32(23).int32(17);
    b.byte(1).int32(5).int32(17).int32(12);
    return b.bytes();
}

// The sample with its extension block: "VHX1", the payload's length, the
// cube owner, the match length, the two scores and the Crawford state.
constexpr std::size_t kHistoryEnd = 29 + 2 * 44 + 236 + 16 + 8 + 2 * 13;
std::vector<std::byte> sampleWithBlock(std::int64_t length = 20,
                                       std::vector<std::int64_t> fields = {1, 0, 0, 0, 0}) {
    HandBytes b;
    b.text("VHX1", 4).int32(length);
    for (const std::int64_t field : fields) {
        b.int32(field);
    }
    std::vector<std::byte> bytes = sampleBytes();
    bytes.insert(bytes.end(), b.bytes().begin(), b.bytes().end());
    return bytes;
}

TEST(SavedGameFile, MatchesTheLayoutByteForByte) {
    const std::vector<std::byte> expected = sampleWithBlock();
    EXPECT_EQ(expected.size(), kHistoryEnd + 8 + 20);
    EXPECT_EQ(encodeSavedGame(sampleGame()), expected);

    // Every field is in the bytes: what encodes to the same bytes read the same.
    SavedGame read;
    const SavedGameCheck check = decodeSavedGame(expected, read);
    ASSERT_TRUE(check.valid) << check.problem;
    EXPECT_EQ(encodeSavedGame(read), expected);

    // Untimed, the player blocks have no clock.
    SavedGame untimed = sampleGame();
    untimed.timed = false;
    untimed.history.clear();
    untimed.historyCursor = 0;
    EXPECT_EQ(encodeSavedGame(untimed).size(), 29u + 2 * 40 + 236 + 16 + 28);
}

TEST(SavedGameFile, TheBlockAfterTheHistoryIsOptionalAndChecked) {
    struct Case {
        const char* name;
        std::vector<std::byte> bytes;
        const char* problem; // "": read
        std::int32_t cubeOwner;
        std::int32_t crawford;
    };
    std::vector<std::byte> wrongMagic = sampleWithBlock();
    wrongMagic[kHistoryEnd + 3] = std::byte{'2'};
    const std::vector<std::byte> fewBytes(wrongMagic.begin(), wrongMagic.begin() + kHistoryEnd + 5);
    std::vector<std::byte> partField = sampleWithBlock(6, {1});
    partField.resize(partField.size() + 2);
    std::vector<std::byte> trailing = sampleWithBlock();
    trailing.push_back(std::byte{0});
    const Case cases[] = {
        {"no block: the owner unknown", sampleBytes(), "", -1, 0},
        {"all five fields", sampleWithBlock(20, {0, 7, 2, 4, 2}), "", 0, 2},
        {"a shorter payload", sampleWithBlock(4, {1}), "", 1, 0},
        {"an empty payload", sampleWithBlock(0, {}), "", -1, 0},
        {"part of a field", partField, "the extension block does not hold whole fields", 0, 0},
        {"a longer payload", sampleWithBlock(32, {1, 0, 0, 0, 1, 1, 0, 99}), "", 1, 1},
        {"a length past the end", sampleWithBlock(24),
         "the extension block runs past the end of the file", 0, 0},
        {"bytes after the block", trailing, "there are bytes after the extension block", 0, 0},
        {"not the block", wrongMagic, "there are bytes after the history", 0, 0},
        {"a few bytes", fewBytes, "there are bytes after the history", 0, 0},
        {"an owner of no side", sampleWithBlock(20, {2, 0, 0, 0, 0}),
         "the cube owner is not -1, 0 or 1", 0, 0},
        {"a negative score", sampleWithBlock(20, {1, 5, -1, 0, 0}), "a match score is negative", 0,
         0},
        {"a match too long", sampleWithBlock(20, {1, 26, 0, 0, 0}),
         "the match length is not 0 to 25", 0, 0},
        {"a match already won", sampleWithBlock(20, {1, 5, 5, 0, 0}),
         "a match score has already won the match", 0, 0},
        {"an unknown Crawford state", sampleWithBlock(20, {1, 5, 0, 0, 3}),
         "the Crawford state is not 0, 1 or 2", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SavedGame game;
        const SavedGameCheck check = decodeSavedGame(c.bytes, game);
        EXPECT_EQ(check.problem, c.problem);
        if (check.valid) {
            EXPECT_EQ(game.cubeOwner, c.cubeOwner);
            EXPECT_EQ(game.crawford, c.crawford);
        }
    }
}

TEST(SavedGameFile, TheBlockKeepsEachTurnsRollAndDoubleWhenKnown) {
    SavedGame game = sampleGame();
    game.history[0].die1 = 6;
    game.history[0].die2 = 5;
    game.history[0].cube = CubeAction::DoubleTaken;
    const std::int64_t note = 6 + 16 * 5 + 256;
    EXPECT_EQ(encodeSavedGame(game), sampleWithBlock(28, {1, 0, 0, 0, 0, 1, note}));
    SavedGame read;
    ASSERT_TRUE(decodeSavedGame(encodeSavedGame(game), read).valid);
    EXPECT_EQ(std::tuple(read.history[0].die1, read.history[0].die2, read.history[0].cube),
              std::tuple(6, 5, CubeAction::DoubleTaken));

    const std::pair<std::vector<std::byte>, const char*> refused[] = {
        {sampleWithBlock(28, {1, 0, 0, 0, 0, 2, note}),
         "the extension block has notes for 2 turns, not 1"},
        {sampleWithBlock(24, {1, 0, 0, 0, 0, 1}), "the turn notes run past the extension block"},
        {sampleWithBlock(28, {1, 0, 0, 0, 0, 1, 7 + 16 * 5}),
         "the note of turn 1 is not a roll and a double"},
        {sampleWithBlock(28, {1, 0, 0, 0, 0, 1, 6}),
         "the note of turn 1 is not a roll and a double"},
        {sampleWithBlock(28, {1, 0, 0, 0, 0, 1, note + 512}),
         "the note of turn 1 is not a roll and a double"},
    };
    for (const auto& [bytes, problem] : refused) {
        EXPECT_EQ(decodeSavedGame(bytes, read).problem, problem);
    }
}

TEST(SavedGameFile, RefusesImpossibleValuesNamingTheFault) {
    struct Case {
        const char* name;
        std::size_t offset;
        std::int64_t value;
        const char* problem;
    };
    const std::size_t board = 29 + 88 + 12;
    const char* const kNotACube = "the cube value is not 1, 2, 4, ... or 1073741824";
    const Case cases[] = {
        {"side to move", 8, 2, "the side to move is not 0 or 1"},
        {"player type", 29 + 32, 2, "a player type is not 0 or 1"},
        {"player side", 29 + 36, 1, "the player blocks are not for side 0 and side 1"},
        {"die", 29 + 88, 7, "a die is not 1 to 6"},
        {"cube", 29 + 88 + 8, 3, kNotACube},
        {"cube past the field", 29 + 88 + 8, std::int64_t{1} << 31, kNotACube},
        {"owner of the bar", board + 24 * 8, 1, "entry 24 belongs to the wrong side"},
        {"checker count", board + 5 * 8 + 4, 6, "side 0 does not have 15 checkers"},
        {"negative count", board + 5 * 8 + 4, -1, "entry 5 holds -1 checkers"},
        {"history length", board + 224 + 8, 5000, "the history length is out of range"},
        {"history cursor", board + 224 + 12, 2, "the history cursor is out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SavedGame game;
        const SavedGameCheck check =
            decodeSavedGame(withInt32(sampleBytes(), c.offset, c.value), game);
        EXPECT_FALSE(check.valid);
        EXPECT_EQ(check.problem, c.problem);
    }
    std::vector<std::byte> unterminated = sampleBytes();
    for (std::size_t i = 29; i < 29 + 32; ++i) {
        unterminated[i] = std::byte{'A'};
    }
    SavedGame game;
    EXPECT_EQ(decodeSavedGame(unterminated, game).problem, "the player's name is not terminated");
}

TEST(SavedGameFile, EveryDamagedCopyIsRefusedOrReadCleanly) {
    const std::vector<std::byte> original = sampleWithBlock(28, {1, 0, 0, 0, 0, 1, 3 + 16});
    for (std::size_t length = 0; length < original.size(); ++length) {
        SavedGame game;
        // Cut at the end of the history, it is a file without the block.
        EXPECT_EQ(decodeSavedGame(std::span(original).first(length), game).valid,
                  length == kHistoryEnd)
            << length;
    }
    const std::size_t counts[] = {29 + 88 + 12 + 224 + 8, 29 + 88 + 12 + 224 + 16 + 4,
                                  kHistoryEnd + 4, kHistoryEnd + 28};
    std::mt19937 random(1234);
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::vector<std::byte> damaged = mutate(original, random, counts);
        SavedGame game;
        const SavedGameCheck check = decodeSavedGame(damaged, game);
        if (!check.valid) {
            ++refused;
            EXPECT_FALSE(check.problem.empty());
            continue;
        }
        // What passes the checks is a game that can be played on.
        EXPECT_EQ(checkerTotal(game.position, 0), 15);
        EXPECT_EQ(checkerTotal(game.position, 1), 15);
        EXPECT_GE(game.die1, 1);
        EXPECT_LE(game.die2, 6);
    }
    EXPECT_GT(refused, 10000);
}

class SavedGameTest : public GameFixture {
protected:
    void driveToARandomState(GameManager& manager, std::mt19937& random);
};

// Plays a game with seeded choices (doubles, undos, redos, plays, time
// passing) and stops where saving is offered: a human to move, not yet moved.
void SavedGameTest::driveToARandomState(GameManager& manager, std::mt19937& random) {
    const int turns = static_cast<int>(random() % 80);
    const unsigned doubleEvery = 1 + random() % 2; // every chance or every other one
    for (int turn = 0; turn < turns && manager.state() == GameState::Playing; ++turn) {
        if (!manager.isHumanTurn()) {
            stepUntilTurnPasses(manager);
        } else if (random() % 6 == 0 && manager.canUndo()) {
            manager.undo();
            stepUntilPlaying(manager);
        } else if (random() % 4 == 0 && manager.canRedo()) {
            manager.redo();
            stepUntilPlaying(manager);
        } else {
            if (random() % doubleEvery == 0 && manager.canOfferDouble()) {
                manager.offerDouble();
                step(manager); // a human takes every double
            }
            now_ += static_cast<std::uint32_t>(random() % 4000);
            if (manager.isHumanTurn()) { // not when the step found no move
                playHumanTurn(manager, static_cast<int>(random() % 1000));
            }
        }
        if (testing::Test::HasFatalFailure()) {
            return;
        }
    }
    while (manager.state() == GameState::Playing && !manager.isHumanTurn() &&
           !testing::Test::HasFatalFailure()) {
        stepUntilTurnPasses(manager);
    }
}

TEST_F(SavedGameTest, SavingAndOpeningAnyGameGivesBackTheSameGame) {
    // Timer off, on, and on with the negative times of a damaged options file.
    const std::array<std::array<int, 5>, 4> timings = {
        {{0, 0, 0, 0, 0}, {1, 3, 20, 0, 15}, {1, -2, 0, 0, -30}, {1, 0, -5, -1, 0}}};
    int saved = 0;
    int savedWithNegativeTimes = 0;
    int savedAtTheHighestCube = 0;
    int savedWithAnOwner = 0;
    for (std::uint32_t seed = 1; seed <= 16; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const bool againstComputer = seed % 3 == 0;
        GameSettings settings =
            settingsFor(false, "Ann", againstComputer, againstComputer ? "Milo" : "Bob");
        const std::array<int, 5>& timing = timings[seed % timings.size()];
        settings.useTimer = timing[0];
        settings.initialMinutes = timing[1];
        settings.initialSeconds = timing[2];
        settings.perMoveMinutes = timing[3];
        settings.perMoveSeconds = timing[4];
        auto manager = startGame(settings, seed, false); // doubles are offered before the cup
        driveToARandomState(*manager, random);
        ASSERT_FALSE(HasFatalFailure());
        if (manager->state() != GameState::Playing) {
            continue; // the game was decided on the way
        }

        // As the Save Game command does: pause, write, go on.
        const std::filesystem::path file = directory_ / "Save1.vhf";
        manager->pause();
        ASSERT_TRUE(manager->saveGame(file));
        manager->resume();
        GameManager opened(environmentFor(settings));
        ASSERT_TRUE(opened.openGame(file));
        ++saved;
        savedWithNegativeTimes += timing[1] < 0 || timing[2] < 0 ? 1 : 0;
        savedAtTheHighestCube += manager->board().cubeValue == kHighestCubeValue ? 1 : 0;
        savedWithAnOwner += manager->cubeOwner() >= 0 ? 1 : 0;

        EXPECT_EQ(opened.state(), GameState::Playing);
        const auto state = [](const GameManager& m) {
            return std::tuple(m.board().position, m.board().die1, m.board().die2,
                              m.board().cubeValue, m.currentSide(), m.turnsPlayed(),
                              m.clockValue(0), m.clockValue(1), m.gameTime(), m.cubeOwner());
        };
        EXPECT_EQ(state(opened), state(*manager));
        EXPECT_EQ(opened.firstSide(), manager->currentSide());
        EXPECT_TRUE(opened.isHumanTurn());
        EXPECT_FALSE(opened.canUndo()) << "the history is not read back";

        // Saved again, it is the same file but for the history and the state.
        SavedGame expected;
        ASSERT_TRUE(decodeSavedGame(readBytes(file), expected).valid);
        expected.state = static_cast<std::int32_t>(GameState::Playing);
        expected.history.clear();
        expected.historyCursor = 0;
        const std::filesystem::path again = directory_ / "Save2.vhf";
        ASSERT_TRUE(opened.saveGame(again));
        EXPECT_EQ(readBytes(again), encodeSavedGame(expected));
    }
    // The seeds reach the states this is about.
    EXPECT_GE(saved, 8);
    EXPECT_GE(savedWithNegativeTimes, 2);
    EXPECT_GE(savedAtTheHighestCube, 1);
    EXPECT_GE(savedWithAnOwner, 4);
}

TEST_F(SavedGameTest, TheCubesOwnerComesBackAndOnlyItMayRedouble) {
    for (const int toMove : {0, 1}) {
        SCOPED_TRACE(toMove);
        SavedGame game = savedGameAt(startPosition(), toMove, 6, 1);
        game.cubeValue = 4;
        game.cubeOwner = 1;
        auto manager = openSaved(game, false);
        EXPECT_EQ(manager->cubeOwner(), 1);
        EXPECT_EQ(manager->stage().cubeOwner(), 1);
        EXPECT_EQ(manager->canOfferDouble(), toMove == 1);
    }
}

TEST_F(SavedGameTest, FilesThatCannotBeReadOrWrittenAreReported) {
    std::vector<std::byte> bytes = sampleBytes();
    bytes.resize(100);
    directory_.write("broken.vhf", bytes);
    GameManager manager(environmentFor(settingsFor(false, "Ann", false, "Bob")));
    EXPECT_FALSE(manager.openGame(directory_ / "broken.vhf"));
    EXPECT_EQ(manager.state(), GameState::NoGame);
    EXPECT_EQ(manager.player(0), nullptr);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].caption, "Open Game");
    EXPECT_NE(messages_.texts()[0].find("the file ends before"), std::string::npos);
    EXPECT_FALSE(manager.openGame(directory_ / "missing.vhf"));
    EXPECT_NE(messages_.texts()[1].find("does not exist"), std::string::npos);

    auto playing = startGame(settingsFor(false, "Ann", false, "Bob"), 17);
    EXPECT_FALSE(playing->saveGame(directory_ / "no such folder" / "game.vhf"));
    ASSERT_EQ(messages_.shown().size(), 3u);
    EXPECT_EQ(messages_.shown()[2].caption, "Save Game");
}

} // namespace
} // namespace vh::test
