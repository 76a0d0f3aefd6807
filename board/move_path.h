#pragma once

#include "board/geometry.h"

#include <cstdint>

namespace vh {

// Checker speed in pixels per millisecond for the "Stone Movement Speed"
// option (20 to 200). Values below 1, which only a damaged settings file
// holds, count as 1 so that an animation always ends.
float checkerSpeed(int animationSpeed);

// Rounds a non-negative travel to whole pixels: down when the fraction is
// below 0.44445, else up.
int roundTravel(float travel);

struct PathPosition {
    Point position;
    bool arrived = false;
};

// Where a checker gliding in a straight line from `start` to `end` at
// `speed` pixels per millisecond is after `elapsedMs`. Each axis advances by
// its share of the travel; reaching the end on either axis ends the move, so
// the checker never overshoots.
PathPosition positionAlongPath(Point start, Point end, float speed, std::uint32_t elapsedMs);

} // namespace vh
