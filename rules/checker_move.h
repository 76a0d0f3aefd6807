#pragma once

#include <cstdint>

namespace vh {

// One checker moved by one die. Construction leaves the fields unset: play
// lists hold hundreds of thousands of them, and whoever fills a move writes
// all four fields.
struct CheckerMove {
    std::uint32_t die;  // 1 to 6
    std::uint32_t from; // a point 0-23, or the bar (24 / 25)
    std::uint32_t to;   // a point 0-23, or borne off (26 / 27)
    std::uint8_t hit;   // 1 when a single opposing checker was sent to its bar
};

} // namespace vh
