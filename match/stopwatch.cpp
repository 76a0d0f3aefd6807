#include "match/stopwatch.h"

namespace vh {

void Stopwatch::start(std::uint32_t now) {
    stopped_ = false;
    lastTick_ = now;
}

void Stopwatch::stop(std::uint32_t now) {
    stopped_ = true;
    lastTick_ = now;
}

std::uint32_t Stopwatch::advanceUp(std::uint32_t now) {
    if (!stopped_) {
        value_ += now - lastTick_;
        lastTick_ = now;
    }
    return value_;
}

bool Stopwatch::advanceDown(std::uint32_t now) {
    if (stopped_) {
        return true;
    }
    const std::uint32_t elapsed = now - lastTick_;
    lastTick_ = now;
    if (value_ <= elapsed) {
        value_ = 0;
        return false;
    }
    value_ -= elapsed;
    return true;
}

ClockReading readClock(std::uint32_t milliseconds) {
    return {milliseconds / 60000u, (milliseconds % 60000u) / 1000u};
}

} // namespace vh
