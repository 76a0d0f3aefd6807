#include "ai/evaluation_cache.h"
#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace vh {
namespace {

// The key stands for the position a play leads to: plays of one list with the
// same key must lead to the same position. Doubles give plenty of such plays.
TEST(EvaluationCache, PlaysWithEqualKeysLeadToTheSamePosition) {
    auto list = std::make_unique<PlayList>();
    int shared = 0;
    for (RollCase& c : test::randomCases(900, 12)) {
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        std::map<std::uint64_t, BoardPosition> reached;
        for (const Play& play : *list) {
            BoardPosition after = c.position;
            applyPlay(play, after);
            const auto [known, inserted] = reached.emplace(EvaluationCache::keyOf(play), after);
            if (!inserted) {
                ASSERT_TRUE(samePlacement(known->second, after)) << formatPlay(play);
                ++shared;
            }
        }
    }
    EXPECT_GT(shared, 10000);
}

TEST(EvaluationCache, GivesBackExactlyWhatWasRememberedUntilCleared) {
    const auto valueOf = [](std::uint64_t key) {
        return Evaluation{static_cast<std::int32_t>(key % 1000), static_cast<std::int32_t>(key),
                          -static_cast<std::int32_t>(key % 77)};
    };
    // Many more keys than the cache holds: whatever it still finds must be
    // the value remembered for that very key.
    EvaluationCache cache;
    constexpr std::uint64_t kKeys = 60000;
    const auto keyAt = [](std::uint64_t index) { return index * 7919 + (index << 33); };
    for (std::uint64_t index = 0; index < kKeys; ++index) {
        cache.remember(keyAt(index), valueOf(keyAt(index)));
    }
    std::uint64_t found = 0;
    for (std::uint64_t index = 0; index < kKeys; ++index) {
        if (const Evaluation* value = cache.find(keyAt(index))) {
            ASSERT_EQ(*value, valueOf(keyAt(index))) << index;
            ++found;
        }
    }
    EXPECT_GT(found, 5000u);
    EXPECT_LT(found, kKeys) << "the cache is smaller than the keys";
    EXPECT_EQ(cache.find(keyAt(kKeys + 5)), nullptr);

    cache.clear();
    for (std::uint64_t index = 0; index < kKeys; index += 97) {
        ASSERT_EQ(cache.find(keyAt(index)), nullptr);
    }
    cache.remember(keyAt(3), valueOf(keyAt(3)));
    ASSERT_NE(cache.find(keyAt(3)), nullptr);
    EXPECT_EQ(*cache.find(keyAt(3)), valueOf(keyAt(3)));
}

} // namespace
} // namespace vh
