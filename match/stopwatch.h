#pragma once

#include <cstdint>

namespace vh {

// A millisecond counter that runs up (game time) or down (a player's clock)
// against the tick count while started. It is advanced by polling; each
// advance adds the real time since the last one, so nothing is lost between
// polls, and unsigned arithmetic keeps it right across the tick counter's wrap.
class Stopwatch {
public:
    // A new stopwatch is stopped at 0.
    Stopwatch() = default;

    void start(std::uint32_t now);
    void stop(std::uint32_t now);
    bool stopped() const { return stopped_; }

    // Counting up: adds the time since the last start, stop or advance.
    std::uint32_t advanceUp(std::uint32_t now);
    // Counting down: takes off the time since the last start, stop or advance;
    // false once the time has run out (the value then stays at 0).
    bool advanceDown(std::uint32_t now);

    std::uint32_t get() const { return value_; }
    void set(std::uint32_t milliseconds) { value_ = milliseconds; }
    void add(std::uint32_t milliseconds) { value_ += milliseconds; }

private:
    bool stopped_ = true;
    std::uint32_t value_ = 0;
    std::uint32_t lastTick_ = 0;
};

// "m:ss" style parts of a clock value: minutes unpadded, seconds 0-59.
struct ClockReading {
    std::uint32_t minutes;
    std::uint32_t seconds;
};
ClockReading readClock(std::uint32_t milliseconds);

} // namespace vh
