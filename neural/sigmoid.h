#pragma once

#include <array>

namespace vh {

namespace sigmoid_detail {
inline constexpr float kRange = 16.0f;
inline constexpr int kStepsPerUnit = 64;
inline constexpr int kSteps = static_cast<int>(2 * kRange) * kStepsPerUnit;
// The logistic function at kSteps + 1 evenly spaced points over [-16, 16],
// and the last value once more. Filled before main() runs.
extern const std::array<float, kSteps + 2> table;
} // namespace sigmoid_detail

// The logistic function 1 / (1 + e^-x), read from a table with linear
// interpolation (off by less than 1e-5; 0 and 1 beyond +-16, and 0 for NaN).
// The network evaluates it for every hidden unit, where the exponential
// would cost more than the rest of the evaluation.
inline float sigmoid(float x) {
    using namespace sigmoid_detail;
    if (!(x > -kRange)) {
        return 0.0f;
    }
    if (x >= kRange) {
        return 1.0f;
    }
    const float at = (x + kRange) * static_cast<float>(kStepsPerUnit);
    const int step = static_cast<int>(at);
    const float fraction = at - static_cast<float>(step);
    const float low = table[static_cast<std::size_t>(step)];
    const float high = table[static_cast<std::size_t>(step) + 1];
    return low + (high - low) * fraction;
}

} // namespace vh
