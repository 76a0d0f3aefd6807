#include "board/move_path.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vh {

float checkerSpeed(int animationSpeed) {
    return static_cast<float>(
               std::clamp(animationSpeed, kSlowestAnimationSpeed, kFastestAnimationSpeed)) *
           0.002f;
}

int roundTravel(float travel) {
    const float whole = std::floor(travel);
    return static_cast<int>(travel - whole < 0.44445f ? whole : std::ceil(travel));
}

PathPosition positionAlongPath(Point start, Point end, float speed, std::uint32_t elapsedMs) {
    const int dx = end.x - start.x;
    const int dy = end.y - start.y;
    const double distance = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    float ux = 1.0f;
    float uy = 1.0f;
    if (distance > 0) {
        ux = static_cast<float>(std::abs(dx) / distance);
        uy = static_cast<float>(std::abs(dy) / distance);
    }
    const float travelled = static_cast<float>(elapsedMs) * speed;
    const int alongX = roundTravel(travelled * ux);
    const int alongY = roundTravel(travelled * uy);

    const bool pastX = dx != 0 && alongX >= std::abs(dx);
    const bool pastY = dy != 0 && alongY >= std::abs(dy);
    if (pastX || pastY || (dx == 0 && dy == 0)) {
        return {end, true};
    }
    const int x = dx > 0 ? start.x + alongX : dx < 0 ? start.x - alongX : start.x;
    const int y = dy > 0 ? start.y + alongY : dy < 0 ? start.y - alongY : start.y;
    return {{x, y}, false};
}

} // namespace vh
