#include "tests/match/game_fixture.h"

#include "match/autosave.h"
#include "platform/program_folders.h"
#include "rules/move_generator.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <tuple>
#include <utility>

namespace vh::test {

GameFixture::GameFixture() {
    std::filesystem::create_directories(directory_ / "Data");
    std::filesystem::copy_file(std::filesystem::path(VARNHOLT_SOURCE_DIR) / "data" /
                                   "Computers.dat",
                               directory_ / "Data/Computers.dat");
    setSoundPlayer(&sounds_);
    store_ = PlayerStore(directory_ / "Data/Stats.dat");
    store_.setLoadPhotos(false);
}

GameFixture::~GameFixture() {
    setSoundPlayer(nullptr);
}

GameSettings GameFixture::settingsFor(bool firstIsComputer, const std::string& firstName,
                                      bool secondIsComputer, const std::string& secondName) const {
    GameSettings settings;
    settings.playerIsComputer = {firstIsComputer ? 1 : 0, secondIsComputer ? 1 : 0};
    settings.playerName = {firstName, secondName};
    settings.completeAnimation = 0;
    settings.animationSpeed = 200;
    settings.matchBet = 5;
    return settings;
}

GameEnvironment GameFixture::environmentFor(const GameSettings& settings) {
    GameEnvironment environment;
    environment.clock = [this] { return now_; };
    environment.settings = [settings] { return settings; };
    environment.store = &store_;
    environment.seedFromClock = false;
    environment.thinkingBudgetMs = thinkingBudgetMs_;
    if (autosave_) {
        environment.autosavePath = autosavePath();
    }
    return environment;
}

std::unique_ptr<GameManager> GameFixture::startGame(const GameSettings& settings,
                                                    std::uint32_t seed, bool revealDice) {
    seedRandom(seed);
    GameEnvironment environment = environmentFor(settings);
    environment.revealDiceAtOnce = revealDice;
    auto manager = std::make_unique<GameManager>(std::move(environment));
    manager->newGame();
    return manager;
}

const PlayList& GameFixture::legalPlays(const GameManager& manager) {
    BoardPosition working = manager.board().position;
    generatePlays(*plays_, working, manager.currentSide(), manager.board().die1,
                  manager.board().die2);
    return *plays_;
}

void GameFixture::playHumanTurn(GameManager& manager, int choice) {
    auto* human = dynamic_cast<HumanPlayer*>(manager.currentPlayer());
    ASSERT_NE(human, nullptr);
    manager.pressDiceCup();
    const PlayList& plays = legalPlays(manager);
    if (plays.count > 0) {
        const Play play = plays[choice % plays.count];
        for (int i = 0; i < play.count; ++i) {
            human->playMove(manager.stage(), play.moves[static_cast<std::size_t>(i)]);
        }
    }
    stepUntilTurnPasses(manager);
}

void GameFixture::step(GameManager& manager) {
    manager.step();
    answerPendingMessages(manager, messages_);
}

void GameFixture::stepUntilTurnPasses(GameManager& manager) {
    const int side = manager.currentSide();
    for (int steps = 0; steps < 100000; ++steps) {
        if (manager.currentSide() != side || manager.state() == GameState::GameOver) {
            return;
        }
        step(manager);
        now_ += 5;
        if (manager.isComputerThinking()) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    FAIL() << "the turn of side " << side << " never ended";
}

void GameFixture::stepUntilGameOver(GameManager& manager, int maxTurns) {
    for (int turn = 0; turn < maxTurns && manager.state() != GameState::GameOver; ++turn) {
        if (manager.isHumanTurn()) {
            playHumanTurn(manager);
        } else {
            stepUntilTurnPasses(manager);
        }
        if (testing::Test::HasFatalFailure()) {
            return;
        }
    }
    ASSERT_EQ(manager.state(), GameState::GameOver);
}

void GameFixture::stepUntilPlaying(GameManager& manager) {
    for (int steps = 0; steps < 100000 && manager.state() != GameState::Playing; ++steps) {
        step(manager);
        now_ += 5;
    }
    ASSERT_EQ(manager.state(), GameState::Playing);
}

std::unique_ptr<GameManager> GameFixture::openSaved(const GameSettings& settings,
                                                    const SavedGame& game, bool revealDice) {
    const std::filesystem::path file = directory_ / "opened.vhf";
    std::string error;
    EXPECT_TRUE(writeSavedGameFile(file, game, error)) << error;
    GameEnvironment environment = environmentFor(settings);
    environment.revealDiceAtOnce = revealDice;
    auto manager = std::make_unique<GameManager>(std::move(environment));
    EXPECT_TRUE(manager->openGame(file));
    return manager;
}

std::unique_ptr<GameManager> GameFixture::openSaved(const SavedGame& game, bool revealDice) {
    const SavedPlayer& zero = game.players[0];
    const SavedPlayer& one = game.players[1];
    return openSaved(settingsFor(zero.isComputer != 0, zero.name, one.isComputer != 0, one.name),
                     game, revealDice);
}

PlayerStore GameFixture::savedStore() const {
    PlayerStore saved(directory_ / "Data/Stats.dat");
    saved.setLoadPhotos(false);
    EXPECT_EQ(saved.loadPlayers(), StoreLoad::Read);
    return saved;
}

GameSettings timedSettings(GameSettings settings, int minutes, int seconds, int perMoveSeconds) {
    settings.useTimer = 1;
    settings.initialMinutes = minutes;
    settings.initialSeconds = seconds;
    settings.perMoveMinutes = 0;
    settings.perMoveSeconds = perMoveSeconds;
    return settings;
}

std::vector<int> highlighted(const BoardRecord& board) {
    std::vector<int> entries;
    for (int entry = 0; entry < kEntryCount; ++entry) {
        if (board.highlights[static_cast<std::size_t>(entry)] == kHighlightTarget) {
            entries.push_back(entry);
        }
    }
    return entries;
}

void expectSameGame(const GameRecord& a, const GameRecord& b) {
    ASSERT_EQ(a.turns.size(), b.turns.size());
    BoardPosition positionA = a.start;
    BoardPosition positionB = b.start;
    for (std::size_t index = 0; index < a.turns.size(); ++index) {
        const RecordedTurn& turnA = a.turns[index];
        const RecordedTurn& turnB = b.turns[index];
        EXPECT_EQ(std::tuple(turnA.side, turnA.die1, turnA.die2, turnA.cube),
                  std::tuple(turnB.side, turnB.die1, turnB.die2, turnB.cube))
            << index;
        applyPlay(turnA.play, positionA);
        applyPlay(turnB.play, positionB);
        EXPECT_TRUE(samePlacement(positionA, positionB)) << index;
    }
}

bool isLegalPlay(const BoardPosition& before, int side, int die1, int die2, const Play& play) {
    auto plays = std::make_unique<PlayList>();
    BoardPosition working = before;
    generatePlays(*plays, working, side, die1, die2);
    return std::any_of(plays->begin(), plays->end(),
                       [&](const Play& listed) { return samePlay(listed, play); }) ||
           (plays->count == 0 && play.count == 0);
}

SavedGame savedGameAt(const BoardPosition& position, int sideToMove, int die1, int die2,
                      const std::string& sideZero, bool sideZeroIsComputer,
                      const std::string& sideOne, bool sideOneIsComputer) {
    SavedGame game;
    game.currentSide = sideToMove;
    game.state = 2;
    game.players[0] = {sideZero, sideZeroIsComputer ? 1 : 0, 0, 0};
    game.players[1] = {sideOne, sideOneIsComputer ? 1 : 0, 1, 0};
    game.die1 = die1;
    game.die2 = die2;
    game.position = position;
    return game;
}

} // namespace vh::test
