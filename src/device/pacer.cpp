#include "device/pacer.h"

#include <chrono>
#include <thread>

namespace pelmora {

void SleepingPacer::pause(int milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

} // namespace pelmora
