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
} // namespace

void SleepingPacer::pause(int milliseconds) {
    if (milliseconds > 0) {
        tightenTimerSlack();
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

} // namespace pelmora
