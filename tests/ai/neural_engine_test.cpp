#include "ai/neural_engine.h"
#include "platform/seeded_stream.h"
#include "platform/worker_thread.h"
#include "rules/play_notation.h"
#include "rules/side.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"
#include "tests/support/shipped_network.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace vh {
namespace {

std::shared_ptr<const NeuralNetwork> randomNetwork(int hidden, std::uint64_t seed) {
    auto network = std::make_shared<NeuralNetwork>(hidden);
    SeededStream stream(seed);
    for (float& weight : network->parameters()) {
        weight = stream.symmetric(0.5f);
    }
    return network;
}

class NeuralEngineTest : public testing::Test {
protected:
    bool isGenerated(const RollCase& c, const Play& play) {
        BoardPosition position = c.position;
        generatePlays(*list_, position, c.side, c.die1, c.die2);
        if (list_->count == 0) {
            return play.count == 0;
        }
        return std::any_of(list_->begin(), list_->end(),
                           [&](const Play& generated) { return samePlay(generated, play); });
    }

    Play chosen(const std::shared_ptr<const NeuralNetwork>& network, int plies, const RollCase& c) {
        NeuralEngine engine(network, plies, boardFor(c), c.side, 60000, workspace_.get());
        engine.run();
        return engine.result();
    }

    std::unique_ptr<PlayList> list_ = std::make_unique<PlayList>();
    std::unique_ptr<NeuralWorkspace> workspace_ = makeNeuralWorkspace();
};

TEST_F(NeuralEngineTest, EveryChosenPlayIsAGeneratedPlay) {
    const auto network = randomNetwork(6, 1);
    int index = 0;
    std::array<int, 3> differ{};
    for (const RollCase& c : test::randomCases(2000, 31)) {
        const Play zero = chosen(network, 0, c);
        ASSERT_TRUE(isGenerated(c, zero)) << formatPlay(zero);
        if (index++ % 15 == 0) {
            const Play one = chosen(network, 1, c);
            ASSERT_TRUE(isGenerated(c, one)) << formatPlay(one);
            differ[1] += samePlay(zero, one) ? 0 : 1;
            if (index % 8 == 1) {
                const Play two = chosen(network, 2, c);
                ASSERT_TRUE(isGenerated(c, two)) << formatPlay(two);
                differ[2] += samePlay(one, two) ? 0 : 1;
            }
        }
    }
    EXPECT_GT(differ[1], 0) << "looking a roll ahead must matter somewhere";
    EXPECT_GT(differ[2], 0) << "looking two rolls ahead must matter somewhere";
}

TEST_F(NeuralEngineTest, EveryDepthPlaysAForcedPlay) {
    const auto network = randomNetwork(6, 3);
    const RollCase cases[] = {
        // Side 0 on the bar enters only with the 6 and then has no 5 to play.
        {test::placedPosition("24=1 5=5 0=-2 13=-2 19=-2 20=-2 21=-2 22=-2 23=-2"), PLAYER_ONE, 6,
         5},
        // Side 1 bears off its last checker.
        {test::placedPosition("23=-1 0=4 5=5"), PLAYER_TWO, 3, 2},
    };
    for (const RollCase& c : cases) {
        const Play first = chosen(network, 0, c);
        ASSERT_TRUE(isGenerated(c, first)) << formatPlay(first);
        for (int plies = 1; plies <= NeuralEngine::kDeepestPlies; ++plies) {
            EXPECT_TRUE(samePlay(first, chosen(network, plies, c))) << plies;
        }
    }
}

TEST_F(NeuralEngineTest, NoiseIsReplayedBySeedAndChangesPlays) {
    const auto network = randomNetwork(6, 2);
    int changed = 0;
    for (const RollCase& c : test::randomCases(60, 5)) {
        for (const int plies : {0, 1}) {
            const Play plain = chosen(network, plies, c);
            std::array<Play, 3> noisy;
            for (std::size_t run = 0; run < noisy.size(); ++run) {
                NeuralEngine engine(network, plies, boardFor(c), c.side, 60000, workspace_.get());
                engine.setNoise(0.5f, run == 2 ? 8 : 7);
                engine.run();
                ASSERT_TRUE(isGenerated(c, engine.result()));
                copyPlay(noisy[run], engine.result());
            }
            EXPECT_TRUE(samePlay(noisy[0], noisy[1]));
            changed += samePlay(plain, noisy[0]) ? 0 : 1;
            changed += samePlay(noisy[0], noisy[2]) ? 0 : 1;
        }
    }
    EXPECT_GT(changed, 10);
}

TEST_F(NeuralEngineTest, StopFromAnotherThreadReturnsALegalPlayAtOnce) {
    const auto network = shippedNetwork();
    int index = 0;
    for (const RollCase& c : test::randomCases(40, 77)) {
        if (c.die1 != c.die2 && index++ % 2 == 0) {
            continue; // doubles keep a search busiest
        }
        NeuralEngine engine(network, 1 + index % 2, boardFor(c), c.side, 60000, workspace_.get());
        WorkerThread worker;
        worker.start([&engine] { engine.run(); }, WorkerThread::kSearchStackSize);
        std::this_thread::sleep_for(std::chrono::microseconds(300 * (index % 7)));
        const auto stopped = std::chrono::steady_clock::now();
        engine.stop();
        while (!worker.finished()) {
            ASSERT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::milliseconds(500));
            std::this_thread::yield();
        }
        worker.join();
        ASSERT_TRUE(isGenerated(c, engine.result())) << formatPlay(engine.result());
    }
    // Stopped before it ran, and with no time at all.
    const RollCase start{test::placedPosition("0=-2 5=5 7=3 11=-5 12=5 16=-3 18=-5 23=2"),
                         PLAYER_TWO, 4, 4};
    NeuralEngine stopped(network, 2, boardFor(start), start.side, 60000, workspace_.get());
    stopped.stop();
    stopped.run();
    EXPECT_TRUE(isGenerated(start, stopped.result()));
    NeuralEngine late(network, 2, boardFor(start), start.side, 0, workspace_.get());
    late.run();
    EXPECT_TRUE(isGenerated(start, late.result()));
}

TEST_F(NeuralEngineTest, CubeDecisionsOnPositionsDecidedByTheRace) {
    const auto network = shippedNetwork();
    enum class Doubler { Doubles, Cashes, PlaysOn };
    const struct {
        const char* what;
        const char* position;
        int doubler;
        Doubler decision; // Cashes: doubles, or is too good to double
        bool takes;
    } cases[] = {
        // Side 0 bears off its last two checkers with any roll.
        {"a certain win doubles and is passed", "0=2 21=-5 22=-5 23=-3", PLAYER_ONE,
         Doubler::Doubles, false},
        // Side 1 needs one or two rolls, side 0 at least four.
        {"a lost race is dropped", "5=10 23=-3", PLAYER_TWO, Doubler::Cashes, false},
        {"the start is no double", "0=-2 5=5 7=3 11=-5 12=5 16=-3 18=-5 23=2", PLAYER_ONE,
         Doubler::PlaysOn, true},
    };
    for (const auto& c : cases) {
        BoardRecord board;
        board.position = test::placedPosition(c.position);
        const NeuralEngine doubler(network, 1, board, c.doubler, 1000, workspace_.get());
        const NeuralEngine taker(network, 1, board, otherSide(c.doubler), 1000, workspace_.get());
        const CubeDecision decision = doubler.cubeDecisionFor(board.position, c.doubler);
        EXPECT_EQ(doubler.shouldOfferDouble(board.position), decision.shouldDouble) << c.what;
        EXPECT_EQ(decision.shouldDouble || decision.tooGood, c.decision != Doubler::PlaysOn)
            << c.what;
        EXPECT_TRUE(decision.shouldDouble || c.decision != Doubler::Doubles) << c.what;
        EXPECT_EQ(taker.acceptDouble(board.position), c.takes) << c.what;
    }
}

TEST_F(NeuralEngineTest, DoublesOnlyWhereTheScoreLeavesSomethingToGain) {
    const auto network = shippedNetwork();
    using Crawford = MatchState::Crawford;
    // Side 0 bears off its last two checkers with any roll: a single game won.
    const BoardPosition won = test::placedPosition("0=2 21=-5 22=-5 23=-3");
    const BoardPosition start = test::startPosition();
    const struct {
        const char* what;
        BoardPosition position;
        MatchState match;
        std::int32_t cube; // owned by side 0 above 1
        bool doubles;
    } cases[] = {
        {"money", won, {}, 1, true},
        {"a match at 0-0", won, {7, {0, 0}, Crawford::NotYet}, 1, true},
        {"the Crawford game", won, {7, {6, 3}, Crawford::ThisGame}, 1, false},
        {"a cube already worth the points needed", won, {7, {5, 3}, Crawford::NotYet}, 2, false},
        {"post-Crawford the trailer doubles at once", start, {7, {2, 6}, Crawford::After}, 1, true},
    };
    for (const auto& c : cases) {
        BoardRecord board;
        board.position = c.position;
        board.cubeValue = c.cube;
        NeuralEngine doubler(network, 1, board, PLAYER_ONE, 1000, workspace_.get());
        doubler.setMatch(c.match);
        EXPECT_EQ(doubler.shouldOfferDouble(board.position), c.doubles) << c.what;
    }
}

} // namespace
} // namespace vh
