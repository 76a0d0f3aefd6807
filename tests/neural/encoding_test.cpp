#include "neural/contact_features.h"
#include "neural/encoding.h"
#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "rules/side.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace vh {
namespace {

std::map<int, float> setInputs(const BoardPosition& position, int sideToMove,
                               int encoding = kBasicEncoding) {
    NetworkInputs inputs;
    encodePosition(position, sideToMove, inputs, encoding);
    std::map<int, float> set;
    for (int i = 0; i < inputs.count; ++i) {
        set[inputs.index[static_cast<std::size_t>(i)]] = inputs.value[static_cast<std::size_t>(i)];
    }
    return set;
}

NeuralNetwork randomNetwork(std::uint64_t seed, int encoding) {
    NeuralNetwork network(24, encoding);
    SeededStream stream(seed);
    for (float& weight : network.parameters()) {
        weight = stream.symmetric(0.5f);
    }
    return network;
}

// Inputs written as "index" (value 1), "index=value" or "index=a/b".
std::map<int, float> inputsOf(const std::string& text) {
    std::map<int, float> inputs;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        const std::size_t slash = word.find('/');
        float value = equals == std::string::npos ? 1.0f : std::stof(word.substr(equals + 1));
        if (slash != std::string::npos) {
            value /= std::stof(word.substr(slash + 1));
        }
        inputs[std::stoi(word.substr(0, equals))] = value;
    }
    return inputs;
}

TEST(Encoding, HandMadePositionsSetTheExpectedInputs) {
    // The opponent's block starts at input 99, the contact input is 198.
    struct Case {
        const char* what;
        const char* position;
        int sideToMove;
        std::map<int, float> expected;
    } const cases[] = {
        {"start, side 0 to move", "0=-2 5=5 7=3 11=-5 12=5 16=-3 18=-5 23=2", PLAYER_ONE,
         inputsOf("20 21 22 23 28 29 30 48 49 50 51 92 93 98=1.67 119 120 121 122 127 128 129 "
                  "147 148 149 150 191 192 197=1.67 198")},
        {"side 1 on the bar against two checkers on side 0's one-point", "0=2 25=1", PLAYER_TWO,
         inputsOf("96=0.5 97=14/15 98=0.25 99 100 196=13/15 197=0.02 198")},
        {"a race without contact", "3=4 20=-3", PLAYER_ONE,
         inputsOf("12 13 14 15=0.5 97=11/15 98=0.16 111 112 113 196=12/15 197=0.12")},
        {"six on a point, side 1 to move", "23=-6 24=15", PLAYER_TWO,
         inputsOf("0 1 2 3=1.5 97=9/15 98=0.06 195=7.5 197=3.75 198")},
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
    for (const int encoding : {kBasicEncoding, kRichEncoding, kRaceEncoding}) {
        const NeuralNetwork network = randomNetwork(5, encoding);
        int index = 0;
        for (const RollCase& c : test::randomCases(3000, 17)) {
            const int side = index++ % 2;
            const BoardPosition mirrored = mirroredPosition(c.position);
            const auto inputs = setInputs(c.position, side, encoding);
            ASSERT_EQ(inputs, setInputs(mirrored, otherSide(side), encoding)) << index;
            ASSERT_LT(inputs.rbegin()->first, inputCountOf(encoding));
            ASSERT_EQ(chancesOnRoll(network, c.position, side),
                      chancesOnRoll(network, mirrored, otherSide(side)));
            // Who is to move matters, unless the position is its own mirror image.
            if (!samePlacement(c.position, mirrored)) {
                ASSERT_NE(inputs, setInputs(c.position, otherSide(side), encoding));
            }
        }
    }
}

TEST(Encoding, ContactFeaturesOfHandMadePositions) {
    // Side 0's figures; side 1 moves up the points towards side 0's blots.
    struct Case {
        const char* what;
        const char* position;
        ContactFeatures expected;
    } const cases[] = {
        {"a blot six pips in front of a checker: 17 shots", "11=1 5=-1 23=-2", {17 / 36.0f, 1, 0}},
        {"a blot one pip away: 11 shots", "11=1 10=-1 23=-2", {11 / 36.0f, 1, 0}},
        {"a blot behind the opponent: no shots", "4=1 10=-1", {0, 1, 0}},
        {"the shooter enters from the bar with a 3, or a 2 and a 1",
         "2=1 0=2 25=1",
         {13 / 36.0f, 1, 1 / 6.0f}},
        {"a three-point block", "4=2 5=2 6=2 9=-2", {0, 1, 0.5f}},
        {"a full prime in front of the back checkers",
         "23=2 17=-2 18=-2 19=-2 20=-2 21=-2 22=-2",
         {0, 0, 1 / 6.0f}},
        {"only 6-1 leaps a five-point prime",
         "23=2 17=-2 18=-2 19=-2 20=-2 21=-2",
         {0, 2 / 36.0f, 1 / 6.0f}},
    };
    for (const Case& c : cases) {
        const ContactFeatures got = contactFeatures(test::placedPosition(c.position), PLAYER_ONE);
        EXPECT_FLOAT_EQ(got.shotChance, c.expected.shotChance) << c.what;
        EXPECT_FLOAT_EQ(got.escapeChance, c.expected.escapeChance) << c.what;
        EXPECT_FLOAT_EQ(got.primeLength, c.expected.primeLength) << c.what;
    }
}

} // namespace
} // namespace vh
