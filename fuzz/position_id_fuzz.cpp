#include "rules/position_id.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// A typed position ID, the first byte choosing the side on roll: a position
// read is written to an ID that reads back as the same position.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int sideOnRoll = data[0] & 1;
    const std::string_view id(reinterpret_cast<const char*>(data) + 1, size - 1);
    vh::BoardPosition position;
    std::string error;
    if (!vh::readPositionId(id, sideOnRoll, position, error)) {
        return 0;
    }
    vh::BoardPosition again;
    if (!vh::readPositionId(vh::positionId(position, sideOnRoll), sideOnRoll, again, error) ||
        again != position) {
        std::abort();
    }
    return 0;
}
