#pragma once
// The simulated mouse behind the HidBackend interface, in this process: it
// lists the mouse's collections while it is plugged, hands out handles that
// feed the model, and announces unplug and plug through its monitor.

#include "device/hid_backend.h"
#include "device/sim/simulated_mouse.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

namespace pelmora::sim {

inline constexpr std::string_view kSimCommandPath = "sim:command";
inline constexpr std::string_view kSimListenerPath = "sim:listener";
inline constexpr std::string_view kSimPointerPath = "sim:pointer";

class SimBackend final : public HidBackend {
public:
    // `log` hears what the mouse logs (bad frames and the like). With a
    // `lockFile` (beside the state file that several programs may share),
    // the command collection's transfer lock is an flock on that file; whoever
    // takes it first takes the mouse's state from the state file, and saves
    // it before letting go. Without one the mouse is this program's alone.
    explicit SimBackend(std::shared_ptr<SimulatedMouse> mouse,
                        std::function<void(std::string_view)> log = {},
                        std::filesystem::path lockFile = {});
    ~SimBackend() override;
    SimBackend(const SimBackend&) = delete;
    SimBackend& operator=(const SimBackend&) = delete;

    // The mouse's ordinary pointer collection, then the listener, then the
    // command collection.
    std::vector<HidCollectionInfo> enumerate() override;
    OpenResult open(const HidCollectionInfo& collection, OpenMode mode) override;
    std::unique_ptr<DeviceMonitor> createMonitor(std::string& error) override;

    SimulatedMouse& mouse() { return *mouse_; }
    const std::shared_ptr<SimulatedMouse>& sharedMouse() const { return mouse_; }

    struct Shared; // state the handles and the mouse's observer share

private:
    std::shared_ptr<SimulatedMouse> mouse_;
    std::shared_ptr<Shared> shared_;
    std::filesystem::path lockFile_;
};

// The lock file of a state file: beside it, its name with ".lock" added.
std::filesystem::path simLockFileOf(const std::filesystem::path& stateFile);

} // namespace pelmora::sim
