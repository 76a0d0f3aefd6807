#include "platform/random.h"

#include <atomic>

namespace vh {
namespace {

std::atomic<std::uint32_t> randomState{1};

constexpr std::uint32_t advance(std::uint32_t state) {
    return state * 1103515245u + 12345u;
}

} // namespace

void seedRandom(std::uint32_t seed) {
    randomState.store(seed, std::memory_order_relaxed);
}

int nextRandom() {
    std::uint32_t state = randomState.load(std::memory_order_relaxed);
    std::uint32_t next = advance(state);
    while (!randomState.compare_exchange_weak(state, next, std::memory_order_relaxed)) {
        next = advance(state);
    }
    return static_cast<int>((next / 65536u) % 32768u);
}

int rollDie() {
    return nextRandom() % 6 + 1;
}

} // namespace vh
