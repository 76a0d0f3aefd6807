#pragma once

#include <cstdint>

namespace vh {

// A stream of pseudo-random numbers fixed by its seed alone (SplitMix64), for
// the tools that must replay the same dice whatever else draws from the
// program's generator: self-play training and duplicate matches.
class SeededStream {
public:
    explicit SeededStream(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 1 to 6.
    int die() { return static_cast<int>(next() % 6u) + 1; }

    // Uniform in [-range, range), from the top 24 bits.
    float symmetric(float range) {
        const float unit = static_cast<float>(next() >> 40) / 16777216.0f;
        return (2.0f * unit - 1.0f) * range;
    }

private:
    std::uint64_t state_;
};

// The seed of one of many streams that share a base seed (game `index` of a
// run seeded with `base`), so streams can be replayed one by one.
constexpr std::uint64_t streamSeed(std::uint64_t base, std::uint64_t index) {
    return base * 0x100000001B3ull + index * 0xD6E8FEB86659FD93ull + 1;
}

} // namespace vh
