#include "device/pacer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace pelmora {
namespace {

// The mouse needs every pause whole: the sleeping pacer may end late, never
// early, also for the shortest pause and when it ends awake.
TEST(SleepingPacerTest, APauseNeverEndsEarly) {
    SleepingPacer pacer;
    using Clock = std::chrono::steady_clock;
    for (int ms : {1, 2, 3, 2, 1}) {
        for (int i = 0; i < 5; ++i) {
            const auto start = Clock::now();
            pacer.pause(ms);
            EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(ms));
        }
    }
    const auto start = Clock::now();
    pacer.pause(0);
    pacer.pause(-5);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1));
}

} // namespace
} // namespace pelmora
