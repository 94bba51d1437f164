#pragma once
#include <cstdint>

// Where the countdown takes its time from. The program uses the wall clock;
// tests use a clock that moves on as fast as they like.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    // Whole seconds, as the runtime's time() counts them.
    virtual int64_t Now() = 0;
    // The countdown's pause between two looks at the time (10 ms).
    virtual void Wait10Milliseconds() = 0;
};

// The wall clock and a real 10 ms sleep.
ClockSource& SystemClock();
