#include "neural/encoding.h"
#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "rules/side.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>
#include <map>

namespace vh {
namespace {

std::map<int, float> setInputs(const BoardPosition& position, int sideToMove) {
    NetworkInputs inputs;
    encodePosition(position, sideToMove, inputs);
    std::map<int, float> set;
    for (int i = 0; i < inputs.count; ++i) {
        set[inputs.index[static_cast<std::size_t>(i)]] = inputs.value[static_cast<std::size_t>(i)];
    }
    return set;
}

NeuralNetwork randomNetwork(std::uint64_t seed) {
    NeuralNetwork network(24);
    SeededStream stream(seed);
    for (float& weight : network.parameters()) {
        weight = stream.symmetric(0.5f);
    }
    return network;
}

TEST(Encoding, HandMadePositionsSetTheExpectedInputs) {
    // The opponent's block starts at input 99, the contact input is 198.
    struct Case {
        const char* what;
        const char* position;
        int sideToMove;
        std::map<int, float> expected;
    } const cases[] = {
        {"start, side 0 to move",
         "0=-2 5=5 7=3 11=-5 12=5 16=-3 18=-5 23=2",
         PLAYER_ONE,
         {{20, 1},  {21, 1},  {22, 1},  {23, 1},      {28, 1},  {29, 1},     {30, 1},  {48, 1},
          {49, 1},  {50, 1},  {51, 1},  {92, 1},      {93, 1},  {98, 1.67f}, {119, 1}, {120, 1},
          {121, 1}, {122, 1}, {127, 1}, {128, 1},     {129, 1}, {147, 1},    {148, 1}, {149, 1},
          {150, 1}, {191, 1}, {192, 1}, {197, 1.67f}, {198, 1}}},
        {"side 1 on the bar against two checkers on side 0's one-point",
         "0=2 25=1",
         PLAYER_TWO,
         {{96, 0.5f},
          {97, 14.0f / 15.0f},
          {98, 0.25f},
          {99, 1},
          {100, 1},
          {196, 13.0f / 15.0f},
          {197, 0.02f},
          {198, 1}}},
        {"a race without contact",
         "3=4 20=-3",
         PLAYER_ONE,
         {{12, 1},
          {13, 1},
          {14, 1},
          {15, 0.5f},
          {97, 11.0f / 15.0f},
          {98, 0.16f},
          {111, 1},
          {112, 1},
          {113, 1},
          {196, 12.0f / 15.0f},
          {197, 0.12f}}},
        {"six on a point, side 1 to move",
         "23=-6 24=15",
         PLAYER_TWO,
         {{0, 1},
          {1, 1},
          {2, 1},
          {3, 1.5f},
          {97, 9.0f / 15.0f},
          {98, 0.06f},
          {195, 7.5f},
          {197, 3.75f},
          {198, 1}}},
    };
    for (const Case& c : cases) {
        const std::map<int, float> set = setInputs(test::placedPosition(c.position), c.sideToMove);
        ASSERT_EQ(set.size(), c.expected.size()) << c.what;
        for (const auto& [index, value] : c.expected) {
            ASSERT_TRUE(set.count(index) == 1) << c.what << ": input " << index;
            EXPECT_FLOAT_EQ(set.at(index), value) << c.what << ": input " << index;
        }
    }
}

TEST(Encoding, AMirroredPositionWithTheOtherSideToMoveLooksTheSame) {
    const NeuralNetwork network = randomNetwork(5);
    int index = 0;
    for (const RollCase& c : test::randomCases(3000, 17)) {
        const int side = index++ % 2;
        const BoardPosition mirrored = mirroredPosition(c.position);
        ASSERT_EQ(setInputs(c.position, side), setInputs(mirrored, otherSide(side))) << index;
        ASSERT_EQ(chancesOnRoll(network, c.position, side),
                  chancesOnRoll(network, mirrored, otherSide(side)));
        // Who is to move matters, unless the position is its own mirror image.
        if (!samePlacement(c.position, mirrored)) {
            ASSERT_NE(setInputs(c.position, side), setInputs(c.position, otherSide(side)));
        }
    }
}

} // namespace
} // namespace vh
