#include "device/pacer.h"

#include <chrono>
#include <sys/prctl.h>
#include <thread>

namespace pelmora {

namespace {
// The default timer slack (50 us) lets every pause overshoot; a transfer has
// about a hundred of them. The slack is a property of the calling thread, so
// it is tightened once on each thread that paces.
void tightenTimerSlack() {
    thread_local const bool tightened = [] {
        ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        return true;
    }();
    (void)tightened;
}
// Even without slack a sleep wakes some tens of microseconds late, and a
// transfer has about a hundred pauses: the pause sleeps until just before its
// end and waits out the rest awake. It never ends early.
constexpr std::chrono::microseconds kAwakeTail{80};

} // namespace

void SleepingPacer::pause(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
    tightenTimerSlack();
    std::this_thread::sleep_until(end - kAwakeTail);
    while (Clock::now() < end) {
    }
}

} // namespace pelmora
