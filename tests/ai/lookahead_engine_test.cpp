#include "ai/lookahead_engine.h"
#include "platform/random.h"
#include "platform/worker_thread.h"
#include "rules/play_notation.h"
#include "rules/side.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"
#include "tests/support/reference_search.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace vh {
namespace {

class LookaheadEngineTest : public testing::Test {
protected:
    Play choose(const EngineParameters& parameters, const RollCase& c,
                std::uint32_t budgetMs = 60000) {
        LookaheadEngine engine(parameters, boardFor(c), c.side, budgetMs, EngineTask::ChoosePlay,
                               workspace_.get());
        engine.run();
        return engine.result();
    }

    // The plays of the case, generated afresh.
    const PlayList& plays(RollCase c) {
        generatePlays(*list_, c.position, c.side, c.die1, c.die2);
        return *list_;
    }

    // The list's first play after ordering by static total.
    Play firstOrdered(const RollCase& c, std::int32_t paramB) {
        BoardPosition position = c.position;
        generatePlays(*list_, position, c.side, c.die1, c.die2);
        orderPlays(*list_, position, c.side, paramB, order_);
        return (*list_)[order_.front().index];
    }

    std::unique_ptr<SearchWorkspace> workspace_ = makeSearchWorkspace();
    std::unique_ptr<PlayList> list_ = std::make_unique<PlayList>();
    std::vector<ScoredPlay> order_;
};

// Positions of real games whose roll can be played.
std::vector<RollCase> playableGameCases(int count, std::uint32_t seed) {
    auto list = std::make_unique<PlayList>();
    std::vector<RollCase> cases;
    int index = 0;
    for (RollCase& c : test::randomCases(3 * count + 30, seed)) {
        if (index++ % 3 != 0) {
            continue;
        }
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        if (list->count > 0 && static_cast<int>(cases.size()) < count) {
            cases.push_back(c);
        }
    }
    return cases;
}

TEST_F(LookaheadEngineTest, RandomTierTakesTheDrawModuloTheCount) {
    int index = 0;
    for (const RollCase& c : playableGameCases(60, 3)) {
        const std::uint32_t seed = 1000u + static_cast<std::uint32_t>(index++);
        seedRandom(seed);
        const int draw = nextRandom();
        const PlayList& list = plays(c);
        seedRandom(seed);
        const Play chosen = choose({index % 2 == 0 ? 1001 : 1249, 0, 0}, c);
        EXPECT_TRUE(samePlay(chosen, list[draw % list.count])) << formatPlay(chosen);
    }
    // Only an engine of that tier that chooses a play draws, once, when built.
    const BoardRecord board = boardFor({positionFromSignedCounts({}), PLAYER_ONE, 3, 1});
    struct {
        std::int32_t strength;
        EngineTask task;
        bool draws;
    } const cases[] = {
        {1001, EngineTask::ChoosePlay, true},    {1249, EngineTask::ChoosePlay, true},
        {1001, EngineTask::AnswerDouble, false}, {1250, EngineTask::ChoosePlay, false},
        {2001, EngineTask::ChoosePlay, false},
    };
    for (const auto& c : cases) {
        seedRandom(77);
        nextRandom();
        const int second = nextRandom();
        seedRandom(77);
        const LookaheadEngine engine({c.strength, 0, 0}, board, PLAYER_ONE, 1000, c.task);
        EXPECT_EQ(nextRandom() == second, c.draws) << c.strength;
    }
}

// With a large safety scaling even the best candidate may score far below the
// -3000 of a roll without a play; the roll is still played.
TEST_F(LookaheadEngineTest, OnePlyTakesTheFirstOrderedPlay) {
    const std::int32_t params[] = {-1, 0, 2, 20000};
    int index = 0;
    int belowNoPlay = 0;
    for (const RollCase& c : test::randomCases(600, 8)) {
        const std::int32_t strength = index % 3 == 0 ? 1251 : index % 3 == 1 ? 1501 : 1749;
        const std::int32_t paramB = params[index++ % 4];
        const Play chosen = choose({strength, 0, paramB}, c);
        if (plays(c).count == 0) {
            EXPECT_EQ(chosen.count, 0);
            continue;
        }
        ASSERT_TRUE(samePlay(chosen, firstOrdered(c, paramB))) << formatPlay(chosen);
        belowNoPlay += order_.front().total < -3000 ? 1 : 0;
    }
    EXPECT_GT(belowNoPlay, 10);
}

TEST_F(LookaheadEngineTest, WithoutTimeTheCandidatesAreJudgedStatically) {
    int differsFromTheSearch = 0;
    const std::vector<RollCase> cases = playableGameCases(40, 12);
    for (const RollCase& c : cases) {
        const Play expected = firstOrdered(c, 0);
        EXPECT_TRUE(samePlay(choose({2001, 0, 0}, c, 0), expected)) << "budget 0";

        // A deadline that passed before the search began.
        LookaheadEngine late({2001, 0, 0}, boardFor(c), c.side, 1, EngineTask::ChoosePlay,
                             workspace_.get());
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        late.run();
        EXPECT_TRUE(samePlay(late.result(), expected)) << "deadline passed";

        // Stopped before it ran.
        LookaheadEngine stopped({2001, 0, 0}, boardFor(c), c.side, 60000, EngineTask::ChoosePlay,
                                workspace_.get());
        stopped.stop();
        stopped.run();
        EXPECT_TRUE(samePlay(stopped.result(), expected)) << "stopped";

        differsFromTheSearch += samePlay(choose({2001, 0, 0}, c), expected) ? 0 : 1;
    }
    EXPECT_GT(differsFromTheSearch, 0) << "the look-ahead must matter somewhere";
}

TEST_F(LookaheadEngineTest, TwoPlyChoosesAsThePlainSearchDoes) {
    std::vector<RollCase> cases = playableGameCases(90, 21);
    for (const RollCase& c : test::randomCases(60, 22)) {
        if (plays(c).count > 0 && plays(c).count < 400) {
            cases.push_back(c);
        }
    }
    const std::int32_t params[] = {0, 0, 0, 3, 20000};
    std::vector<test::ReferenceSearch> plain;
    for (const std::int32_t paramB : params) {
        plain.emplace_back(2, paramB);
    }
    for (std::size_t index = 0; index < cases.size(); ++index) {
        SCOPED_TRACE(index);
        const RollCase& c = cases[index];
        const std::size_t which = index % std::size(params);
        const Play expected = plain[which].choose(c.position, c.side, c.die1, c.die2);
        const Play chosen = choose({2001, 0, params[which]}, c);
        ASSERT_TRUE(samePlay(chosen, expected))
            << formatPlay(chosen) << " instead of " << formatPlay(expected);
    }
}

TEST_F(LookaheadEngineTest, ARollWithoutPlayLeavesTheResultEmpty) {
    const RollCase closed{test::placedPosition("18=-2 24=2"), PLAYER_ONE, 6, 6};
    for (const std::int32_t strength : {1001, 1501, 2001}) {
        EXPECT_EQ(choose({strength, 0, 0}, closed).count, 0) << strength;
    }
}

TEST_F(LookaheadEngineTest, WorksOnItsOwnCopyOfTheBoard) {
    const RollCase c = playableGameCases(1, 40).front();
    BoardRecord board = boardFor(c);
    board.cubeValue = 4;
    LookaheadEngine engine({2001, 0, 0}, board, c.side, 60000);
    // The game moves on while the engine thinks.
    setStartPosition(board.position);
    board.die1 = board.die1 % 6 + 1;
    board.cubeValue = 8;
    EXPECT_EQ(engine.cubeValue(), 4);
    engine.run();
    EXPECT_TRUE(samePlay(engine.result(), choose({2001, 0, 0}, c)));
}

TEST_F(LookaheadEngineTest, StopFromAnotherThreadEndsTheSearchWithALegalPlay) {
    const std::vector<RollCase> cases = playableGameCases(12, 61);
    double slowestStopMs = 0.0;
    int index = 0;
    for (const RollCase& c : cases) {
        LookaheadEngine engine({2001, 0, 0}, boardFor(c), c.side, 60000, EngineTask::ChoosePlay,
                               workspace_.get());
        WorkerThread worker;
        worker.start([&engine] { engine.run(); }, WorkerThread::kSearchStackSize);
        std::this_thread::sleep_for(std::chrono::microseconds(150 * index++));
        const auto stoppedAt = std::chrono::steady_clock::now();
        engine.stop();
        while (!worker.finished()) {
            ASSERT_LT(std::chrono::steady_clock::now() - stoppedAt, std::chrono::seconds(30))
                << "the search did not end";
            std::this_thread::yield();
        }
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - stoppedAt;
        slowestStopMs = std::max(slowestStopMs, took.count());
        worker.join();

        const PlayList& list = plays(c);
        EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const Play& play) {
            return samePlay(play, engine.result());
        })) << formatPlay(engine.result());
    }
    RecordProperty("slowest_stop_ms", std::to_string(slowestStopMs));
}

TEST(StrengthForCash, Tiers) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {-5, 1001},     {1000, 1001},   {1001, 1251},   {10000, 1251},  {10001, 1501},
        {100000, 1501}, {100001, 1751}, {249999, 1751}, {250000, 2001}, {5000000, 2001}};
    for (const auto& [cash, strength] : cases) {
        EXPECT_EQ(strengthForCash(cash), strength) << cash;
    }
}

} // namespace
} // namespace vh
