#pragma once

#include "board/geometry.h"

#include <cstdint>

namespace vh {

// The range of the "Stone Movement Speed" option.
inline constexpr int kSlowestAnimationSpeed = 20;
inline constexpr int kFastestAnimationSpeed = 200;

// Checker speed in pixels per millisecond for the "Stone Movement Speed"
// option. Values outside the option's range (an old or damaged settings file
// may hold 1, which would glide at 2 pixels a second) count as its nearest end.
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
