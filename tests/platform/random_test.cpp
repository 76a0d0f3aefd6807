#include "platform/random.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace vh {
namespace {

TEST(Random, SeedOneGivesTheClassicSequence) {
    seedRandom(1);
    const std::vector<int> expected = {16838, 5758, 10113, 17515, 31051, 5627, 23010, 7419};
    std::vector<int> drawn;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        drawn.push_back(nextRandom());
    }
    EXPECT_EQ(drawn, expected);
}

TEST(Random, SameSeedSameSequenceAndValuesStayInRange) {
    const auto draw = [](std::uint32_t seed) {
        seedRandom(seed);
        std::vector<int> values(5000);
        std::generate(values.begin(), values.end(), nextRandom);
        return values;
    };
    const std::vector<int> first = draw(4242);
    EXPECT_EQ(first, draw(4242));
    EXPECT_NE(first, draw(4243));
    EXPECT_GE(*std::min_element(first.begin(), first.end()), 0);
    EXPECT_LE(*std::max_element(first.begin(), first.end()), kRandomMax);
    EXPECT_GT(*std::max_element(first.begin(), first.end()), 30000);
}

TEST(Random, DiceAreFairEnough) {
    seedRandom(7);
    std::array<int, 7> faces{};
    constexpr int rolls = 60000;
    for (int i = 0; i < rolls; ++i) {
        const int die = rollDie();
        ASSERT_GE(die, 1);
        ASSERT_LE(die, 6);
        ++faces[static_cast<std::size_t>(die)];
    }
    for (int face = 1; face <= 6; ++face) {
        EXPECT_NEAR(faces[static_cast<std::size_t>(face)], rolls / 6, rolls / 60) << face;
    }
}

TEST(Random, DrawsFromTwoThreadsShareOneSequence) {
    constexpr int perThread = 20000;
    seedRandom(99);
    std::vector<int> expected(2 * perThread);
    std::generate(expected.begin(), expected.end(), nextRandom);

    seedRandom(99);
    std::vector<int> first(perThread);
    std::vector<int> second(perThread);
    std::thread worker([&] { std::generate(first.begin(), first.end(), nextRandom); });
    std::generate(second.begin(), second.end(), nextRandom);
    worker.join();

    std::vector<int> drawn = first;
    drawn.insert(drawn.end(), second.begin(), second.end());
    std::sort(drawn.begin(), drawn.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(drawn, expected) << "a step of the generator was lost or repeated";
}

} // namespace
} // namespace vh
