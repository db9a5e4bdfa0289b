// Many unplug/plug cycles of the simulated mouse through the device link with
// its listener and hot-plug monitor running: events still arrive afterwards,
// and the process holds as many descriptors and threads as before.
#include "device/device_event.h"
#include "device/link/device_link.h"
#include "device/sim/sim_backend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <poll.h>

namespace pelmora {
namespace {

std::size_t entriesOf(const char* folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

class EventCounter {
public:
    void heard() {
        std::lock_guard lock(mutex_);
        ++count_;
        changed_.notify_all();
    }
    bool waitFor(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return count_ >= count; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int count_ = 0;
};

// Handles what the monitor has waiting, as the window's event loop does.
void drainMonitor(DeviceLink& link) {
    pollfd fd{link.monitorFd(), POLLIN, 0};
    while (::poll(&fd, 1, 0) > 0) {
        link.handleMonitorReadable();
    }
}

TEST(HotplugCyclesTest, FiveHundredCyclesKeepDescriptorsAndThreads) {
    auto mouse = std::make_shared<sim::SimulatedMouse>();
    DeviceLink link(std::make_unique<sim::SimBackend>(mouse), std::make_unique<RecordingPacer>());
    EventCounter events;
    ASSERT_TRUE(link.discover());
    link.createListener([&](const DeviceEvent&) { events.heard(); });
    std::string error;
    ASSERT_TRUE(link.startMonitor(error)) << error;

    auto cycle = [&] {
        mouse->unplug();
        drainMonitor(link);
        mouse->plug();
        drainMonitor(link);
    };
    for (int i = 0; i < 5; ++i) { // whatever is made once is made by now
        cycle();
    }
    ASSERT_TRUE(link.present());
    const std::size_t fds = entriesOf("/proc/self/fd");
    const std::size_t threads = entriesOf("/proc/self/task");
    for (int i = 0; i < 500; ++i) {
        cycle();
    }
    EXPECT_TRUE(link.present());
    EXPECT_EQ(entriesOf("/proc/self/fd"), fds);
    EXPECT_EQ(entriesOf("/proc/self/task"), threads);

    // The listener still hears the mouse on its newest handle.
    mouse->raiseEvent(kDpiStageEvent, 2);
    EXPECT_TRUE(events.waitFor(1));
    link.close();
}

} // namespace
} // namespace pelmora
