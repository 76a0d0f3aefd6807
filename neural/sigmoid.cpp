#include "neural/sigmoid.h"

#include <cmath>

namespace vh::sigmoid_detail {
namespace {

std::array<float, kSteps + 2> makeTable() {
    std::array<float, kSteps + 2> values{};
    for (int i = 0; i <= kSteps; ++i) {
        const double x = -static_cast<double>(kRange) + static_cast<double>(i) / kStepsPerUnit;
        values[static_cast<std::size_t>(i)] = static_cast<float>(1.0 / (1.0 + std::exp(-x)));
    }
    values[kSteps + 1] = values[kSteps];
    return values;
}

} // namespace

const std::array<float, kSteps + 2> table = makeTable();

} // namespace vh::sigmoid_detail
