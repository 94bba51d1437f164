#include "engine/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace {

class WallClock : public ClockSource {
public:
    int64_t Now() override { return static_cast<int64_t>(std::time(nullptr)); }
    void Wait10Milliseconds() override { std::this_thread::sleep_for(std::chrono::milliseconds(10)); }
};

} // namespace

ClockSource& SystemClock()
{
    static WallClock clock;
    return clock;
}
