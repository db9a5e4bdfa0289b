// The transfer lock: waiting for a mouse another program holds, giving up,
// and the simulated mouse shared through its state file.

#include "device/device_link.h"
#include "device/linux/hidraw_handle.h"
#include "device/sim/simulated_mouse.h"
#include "device/transfer_lock.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <thread>

namespace pelmora {
namespace {

TEST(TransferLockTest, WaitsForTheHolderAndGivesUpOnTimeOrWhenTold) {
    struct Case {
        const char* name;
        int freedAfterMs; // -1: held throughout
        bool stop;
        TransferAccess access;
    };
    const Case cases[] = {
        {"free", 0, false, TransferAccess::Granted},
        {"freed while waiting", 60, false, TransferAccess::Granted},
        {"held past the wait", -1, false, TransferAccess::Busy},
        {"told to stop", -1, true, TransferAccess::Stopped},
    };
    testing::ScratchFolder folder;
    const auto node = folder.path() / "hidraw";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UniqueFd other(::open(node.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        if (c.freedAfterMs != 0) {
            ASSERT_EQ(::flock(other.get(), LOCK_EX), 0);
        }
        std::thread freer([&] {
            if (c.freedAfterMs > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(c.freedAfterMs));
                ::flock(other.get(), LOCK_UN);
            }
        });
        HidrawHandle handle(UniqueFd(::open(node.c_str(), O_RDWR | O_CLOEXEC)), false);
        std::vector<bool> told;
        const TransferWait wait{c.freedAfterMs > 0 ? 5000 : 150,
                                [&told](bool waiting) { told.push_back(waiting); },
                                [&c] { return c.stop; }};
        TransferAccess access{};
        {
            const TransferLock lock = TransferLock::acquire(&handle, wait, access);
            EXPECT_EQ(access, c.access);
            // Held by this handle: another program finds it taken.
            EXPECT_EQ(::flock(other.get(), LOCK_EX | LOCK_NB) != 0,
                      c.access == TransferAccess::Granted);
        }
        freer.join();
        const std::vector<bool> expected =
            c.freedAfterMs == 0 ? std::vector<bool>{} : std::vector<bool>{true, false};
        EXPECT_EQ(told, expected);
        EXPECT_EQ(::flock(other.get(), LOCK_EX | LOCK_NB), 0); // let go
    }
}

TEST(TransferLockTest, ASimulatedMouseSharedByItsStateFileIsReadAsTheLastHolderLeftIt) {
    testing::ScratchFolder folder;
    DeviceLinkOptions options;
    options.simulate = true;
    options.simState = folder.path() / "mouse.json";
    std::string error;
    auto first = DeviceLink::create(options, error);
    auto second = DeviceLink::create(options, error); // another program, started meanwhile
    ASSERT_TRUE(first && second) << error;
    ASSERT_TRUE(first->discover() && second->discover());
    // What the first program left in the mouse is what the second one reads.
    sim::SimMouseState state = first->simulatedMouse()->state();
    state.sensorType = 2;
    first->simulatedMouse()->setState(state);
    EXPECT_EQ(second->readBasicSettings(), TransferAccess::Granted);
    EXPECT_EQ(second->deviceImage().sensorType, 2);
}

} // namespace
} // namespace pelmora
