#include "tests/support/placement.h"

#include <sstream>

namespace vh::test {

BoardPosition placedPosition(const std::string& placement) {
    std::array<int, kEntryCount> counts{};
    std::istringstream in(placement);
    int entry = 0;
    char equals = 0;
    int count = 0;
    while (in >> entry >> equals >> count) {
        counts[static_cast<std::size_t>(entry)] = count;
    }
    BoardPosition position = positionFromSignedCounts(counts);
    for (int side = 0; side < 2; ++side) {
        position[offEntry(side)].count += kCheckersPerSide - checkerTotal(position, side);
    }
    return position;
}

BoardPosition startPosition() {
    BoardPosition position;
    setStartPosition(position);
    return position;
}

} // namespace vh::test
