// The listener thread and hot-plug against the simulated mouse.
#include "device/discovery.h"
#include "device/link/device_link.h"
#include "device/sim/sim_backend.h"

#include "fake_hid_handle.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace pelmora {
namespace {

using namespace std::chrono_literals;

class EventLog {
public:
    void add(const DeviceEvent& event) {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
        changed_.notify_all();
    }
    // Waits until `count` events arrived (or a second passed).
    std::vector<DeviceEvent> waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 2s, [&] { return events_.size() >= count; });
        return events_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<DeviceEvent> events_;
};

struct Rig {
    std::shared_ptr<sim::SimulatedMouse> mouse = std::make_shared<sim::SimulatedMouse>();
    std::unique_ptr<DeviceLink> link = std::make_unique<DeviceLink>(
        std::make_unique<sim::SimBackend>(mouse), std::make_unique<RecordingPacer>());
    EventLog log;

    Rig() { link->setChunkReadTimeout(100); }
    void listen() {
        link->createListener([this](const DeviceEvent& e) { log.add(e); });
    }
};

TEST(ListenerTest, EventsArriveInOrderAndOthersAreDropped) {
    Rig rig;
    ASSERT_TRUE(rig.link->discover());
    rig.listen();
    EXPECT_TRUE(rig.link->listenerStarted());
    rig.mouse->raiseEvent(7, 2);
    rig.mouse->raiseEvent(6, 1); // unknown type: dropped
    rig.mouse->raiseEvent(5, 3); // delivered; no balloon later
    rig.mouse->raiseEvent(9, 12);
    const auto events = rig.log.waitFor(3);
    EXPECT_EQ(events, (std::vector<DeviceEvent>{{7, 2}, {5, 3}, {9, 12}}));
}

TEST(ListenerTest, UnplugDuringAReadThenPlugAgain) {
    Rig rig;
    ASSERT_TRUE(rig.link->discover());
    rig.listen();
    std::string error;
    ASSERT_TRUE(rig.link->startMonitor(error)) << error;
    rig.mouse->raiseEvent(8, 1);
    ASSERT_EQ(rig.log.waitFor(1).size(), 1u);

    // The listener sits in its read when the mouse goes.
    std::this_thread::sleep_for(20ms);
    rig.mouse->unplug();
    auto decisions = rig.link->handleMonitorReadable();
    ASSERT_EQ(decisions.size(), 1u);
    EXPECT_TRUE(decisions[0].warn);
    EXPECT_TRUE(decisions[0].hideWindow);
    EXPECT_FALSE(rig.link->present());

    rig.mouse->plug();
    decisions = rig.link->handleMonitorReadable();
    ASSERT_EQ(decisions.size(), 1u);
    EXPECT_TRUE(decisions[0].present);
    EXPECT_TRUE(decisions[0].readBasicSettings);
    EXPECT_TRUE(rig.link->present());
    EXPECT_EQ(rig.mouse->state().option2, 0x40); // read again and sent back with the flag

    rig.mouse->raiseEvent(7, 4);
    const auto events = rig.log.waitFor(2);
    EXPECT_EQ(events, (std::vector<DeviceEvent>{{8, 1}, {7, 4}}));
}

TEST(ListenerTest, MouseArrivingLaterStartsTheListener) {
    Rig rig;
    rig.mouse->unplug();
    EXPECT_FALSE(rig.link->discover());
    rig.listen();
    EXPECT_FALSE(rig.link->listenerStarted()); // parked until the mouse comes
    std::string error;
    ASSERT_TRUE(rig.link->startMonitor(error));
    rig.mouse->plug();
    const auto decisions = rig.link->handleMonitorReadable();
    ASSERT_EQ(decisions.size(), 1u);
    EXPECT_TRUE(decisions[0].resumeListener);
    EXPECT_TRUE(rig.link->listenerStarted());
    EXPECT_EQ(rig.mouse->state().option2, 0x40);
    rig.mouse->raiseEvent(7, 1);
    EXPECT_EQ(rig.log.waitFor(1), (std::vector<DeviceEvent>{{7, 1}}));
}

TEST(ListenerTest, StopsCleanlyWhileWaiting) {
    const auto start = std::chrono::steady_clock::now();
    {
        Rig rig;
        ASSERT_TRUE(rig.link->discover());
        rig.listen();
        std::this_thread::sleep_for(20ms); // in its read now
    }                                      // the link joins its listener here
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);

    Rig parked; // never found the mouse: the thread waits without a handle
    parked.mouse->unplug();
    parked.link->discover();
    parked.listen();
    parked.link->resumeListener();
    parked.link->stopListener();
    EXPECT_TRUE(parked.log.waitFor(0).empty());
}

TEST(ListenerTest, StopRightAfterStartIsNeverLost) {
    // The thread may be anywhere in its first turn when stop() comes; the
    // wake-up must not be swallowed there, or the join waits for ever.
    const std::atomic<int> absent{0};
    std::mutex mutex;
    Listener* current = nullptr;
    unsigned stops = 0;
    bool done = false;
    int hung = 0;
    std::thread watchdog([&] {
        unsigned seen = 0;
        while (true) {
            std::this_thread::sleep_for(300ms);
            std::lock_guard lock(mutex);
            if (done) {
                return;
            }
            if (current && stops == seen) {
                ++hung;
                current->wake(); // free the thread so the test ends
            }
            seen = stops;
        }
    });
    for (int i = 0; i < 3000; ++i) {
        Listener listener(absent, [](const DeviceEvent&) {});
        {
            std::lock_guard lock(mutex);
            current = &listener;
        }
        listener.start();
        // Stop at a different moment of the thread's start-up each time.
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(i % 60);
        while (std::chrono::steady_clock::now() < until) {
        }
        listener.stop();
        std::lock_guard lock(mutex);
        current = nullptr;
        ++stops;
    }
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    watchdog.join();
    EXPECT_EQ(hung, 0);
}

// A listen handle whose reports the test queues; pollable like a hidraw node.
class QueuedListenHandle final : public HidHandle {
public:
    void push(test::Bytes report) {
        std::lock_guard lock(mutex_);
        reports_.push_back(std::move(report));
        ready_.signal();
    }
    bool setFeature(std::span<const std::uint8_t>) override { return false; }
    bool getFeature(std::span<std::uint8_t>) override { return false; }
    bool write(std::span<const std::uint8_t>) override { return false; }
    ReadResult read(std::span<std::uint8_t> report, int) override {
        std::lock_guard lock(mutex_);
        if (reports_.empty()) {
            ready_.clear();
            return {ReadStatus::TimedOut, 0};
        }
        const test::Bytes next = std::move(reports_.front());
        reports_.pop_front();
        if (reports_.empty()) {
            ready_.clear();
        }
        const std::size_t n = std::min(next.size(), report.size());
        std::copy_n(next.begin(), n, report.begin());
        return {ReadStatus::Ok, n};
    }
    int pollFd() const override { return ready_.fd(); }

private:
    std::mutex mutex_;
    std::deque<test::Bytes> reports_;
    EventFd ready_;
};

TEST(ListenerTest, AShortReportIsNotFilledUpFromTheLastOne) {
    const std::atomic<int> present{1};
    EventLog log;
    Listener listener(present, [&](const DeviceEvent& e) { log.add(e); });
    auto handle = std::make_shared<QueuedListenHandle>();
    listener.rearm(handle, 9);
    listener.start();
    handle->push({6, 7, 0, 2, 0, 0, 0, 0, 0});
    handle->push({6, 8}); // cut short: no value
    handle->push({6, 9, 0, 3, 0, 0, 0, 0, 0});
    handle->push({6, 5, 0, 1, 0, 0, 0, 0, 0});
    const auto events = log.waitFor(3);
    listener.stop();
    EXPECT_EQ(events, (std::vector<DeviceEvent>{{7, 2}, {9, 3}, {5, 1}}));
}

// A backend that lists what the test gives it and opens scripted handles.
class ListBackend final : public HidBackend {
public:
    std::vector<HidCollectionInfo> enumerate() override { return collections; }
    OpenResult open(const HidCollectionInfo& c, OpenMode mode) override {
        opened.push_back(c.path + (mode == OpenMode::Command  ? ":command"
                                   : mode == OpenMode::Listen ? ":listen"
                                                              : ":output"));
        if (c.path == failingPath) {
            return {nullptr, "Permission denied: " + c.path, true};
        }
        return {std::make_unique<test::FakeHidHandle>(), {}, false};
    }
    std::unique_ptr<DeviceMonitor> createMonitor(std::string&) override { return nullptr; }
    std::vector<std::string> skippedNodes() const override { return skipped; }

    std::vector<HidCollectionInfo> collections;
    std::vector<std::string> opened;
    std::string failingPath;
    std::vector<std::string> skipped;
};

HidCollectionInfo collection(std::string path, std::uint16_t vendor, std::uint16_t page,
                             std::uint16_t usage, std::uint16_t in, std::uint16_t feature) {
    HidCollectionInfo c;
    c.path = c.interfacePath = std::move(path);
    c.vendorId = vendor;
    c.productId = vendor == kMouseVendorId ? kMouseProductId : 0x1234;
    c.usagePage = page;
    c.usage = usage;
    c.inputReportLength = in;
    c.outputReportLength = in;
    c.featureReportLength = feature;
    return c;
}

// Counts the handles still open.
class CountedHandle final : public test::FakeHidHandle {
public:
    explicit CountedHandle(std::shared_ptr<std::atomic<int>> open) : open_(std::move(open)) {
        ++*open_;
    }
    ~CountedHandle() override { --*open_; }

private:
    std::shared_ptr<std::atomic<int>> open_;
};

class CountingBackend final : public HidBackend {
public:
    std::vector<HidCollectionInfo> enumerate() override { return collections; }
    OpenResult open(const HidCollectionInfo&, OpenMode) override {
        return {std::make_unique<CountedHandle>(openHandles), {}, false};
    }
    std::unique_ptr<DeviceMonitor> createMonitor(std::string&) override { return nullptr; }

    std::vector<HidCollectionInfo> collections;
    std::shared_ptr<std::atomic<int>> openHandles = std::make_shared<std::atomic<int>>(0);
};

TEST(DiscoveryTest, AMouseThatIsGoneLeavesNoHandleOpen) {
    auto owned = std::make_unique<CountingBackend>();
    CountingBackend& backend = *owned;
    backend.collections = {collection("listen", kMouseVendorId, 0xFF01, 0xFF01, 9, 0),
                           collection("cmd", kMouseVendorId, 0xFF00, 0xFF00, 33, 9)};
    DeviceLink link(std::move(owned), std::make_unique<RecordingPacer>());
    ASSERT_TRUE(link.discover());
    link.createListener([](const DeviceEvent&) {});
    EXPECT_EQ(*backend.openHandles, 3); // listen, output, command

    backend.collections.clear(); // unplugged
    EXPECT_FALSE(link.discover());
    // The listener thread lets go of its copy when it next looks.
    for (int i = 0; i < 100 && *backend.openHandles != 0; ++i) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(*backend.openHandles, 0); // the listener keeps no node of the old mouse
}

// Why a mouse that is there cannot be used, as the window and the command
// line tell it.
TEST(DiscoveryTest, TheReasonAMouseCannotBeUsed) {
    auto owned = std::make_unique<ListBackend>();
    ListBackend& backend = *owned;
    DeviceLink link(std::move(owned), std::make_unique<RecordingPacer>());
    EXPECT_FALSE(link.discover());
    EXPECT_EQ(link.problem(), MouseProblem::None); // simply not there

    backend.skipped = {"/dev/hidraw3: cannot read the report descriptor: Permission denied"};
    EXPECT_FALSE(link.discover());
    EXPECT_EQ(link.problem(), MouseProblem::UnreadableDescriptor);

    backend.collections = {collection("listen", kMouseVendorId, 0xFF01, 0xFF01, 9, 0),
                           collection("cmd", kMouseVendorId, 0xFF00, 0xFF00, 33, 9)};
    backend.failingPath = "cmd";
    EXPECT_FALSE(link.discover());
    EXPECT_EQ(link.problem(), MouseProblem::NoPermission);
    EXPECT_EQ(link.lastError(), "Permission denied: cmd");

    backend.failingPath.clear();
    EXPECT_TRUE(link.discover());
    EXPECT_EQ(link.problem(), MouseProblem::None);
}

TEST(DiscoveryTest, SkipsOtherDevicesAndStopsAtTheCommandCollection) {
    ListBackend backend;
    backend.collections = {collection("kbd", 0x046D, 0xFF00, 0xFF00, 33, 9),
                           collection("pointer", kMouseVendorId, 1, 2, 8, 0),
                           collection("listen", kMouseVendorId, 0xFF01, 0xFF01, 9, 0),
                           collection("cmd", kMouseVendorId, 0xFF00, 0xFF00, 33, 9),
                           collection("after", kMouseVendorId, 0xFF01, 0xFF01, 9, 0)};
    LinkState link;
    int rearmed = 0;
    const auto result =
        discoverMouse(backend, link, [&](std::shared_ptr<HidHandle>, std::uint16_t n) {
            EXPECT_EQ(n, 9);
            ++rearmed;
        });
    EXPECT_TRUE(result.found);
    EXPECT_EQ(backend.opened,
              (std::vector<std::string>{"listen:listen", "listen:output", "cmd:command"}));
    EXPECT_EQ(rearmed, 1);
    EXPECT_EQ(link.devicePresent, 1);
    EXPECT_EQ(link.featureReportLength, 9);
    EXPECT_EQ(link.listenReportLength, 9);
    EXPECT_EQ(link.devicePath, "cmd");
}

TEST(DiscoveryTest, CommandBeforeListenerLeavesTheListenHandleAlone) {
    ListBackend backend;
    backend.collections = {collection("cmd", kMouseVendorId, 0xFF00, 0xFF00, 33, 9),
                           collection("listen", kMouseVendorId, 0xFF01, 0xFF01, 9, 0)};
    LinkState link;
    EXPECT_TRUE(discoverMouse(backend, link, {}).found);
    EXPECT_FALSE(link.listenHandle);
}

TEST(DiscoveryTest, AFailingOpenEndsDiscoveryWithItsReason) {
    ListBackend backend;
    backend.collections = {collection("listen", kMouseVendorId, 0xFF01, 0xFF01, 9, 0),
                           collection("cmd", kMouseVendorId, 0xFF00, 0xFF00, 33, 9)};
    backend.failingPath = "listen";
    LinkState link;
    const auto result = discoverMouse(backend, link, {});
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.error, "Permission denied: listen");
    EXPECT_EQ(backend.opened.size(), 1u);

    ListBackend none;
    none.collections = {collection("cmd", kMouseVendorId, 0xFF00, 0xFF00, 33, 0)}; // no feature
    EXPECT_FALSE(discoverMouse(none, link, {}).found);
}

} // namespace
} // namespace pelmora
