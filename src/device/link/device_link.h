#pragma once
// The link to the mouse as one object for the GUI and the command line: it
// owns the backend (hidraw or the simulated mouse), the link state, the
// device image, the listener thread and the hot-plug monitor.
//
// Threads: everything runs on the caller's thread except the listener
// callback, which runs on the listener thread. Destroying the link stops
// and joins the listener.
//
// On the map (docs/ARCHITECTURE.md): src/device/link, the top of the core's
// device layers; the window (opened by WindowLink) and pelmora-cli each
// hold one, and every Apply, hot-plug and mouse event passes through it.

#include "device/command_set.h"
#include "device/device_change.h"
#include "device/device_image.h"
#include "device/device_monitor.h"
#include "device/hid_backend.h"
#include "device/link_state.h"
#include "device/listener.h"
#include "device/pacer.h"
#include "device/trace_sink.h"
#include "device/transfer_lock.h"
#include "settings/link_texts.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

namespace sim {
class SimulatedMouse;
class SimControlPipe;
} // namespace sim

struct DeviceLinkOptions {
    bool simulate = false;                           // the simulated mouse instead of hidraw
    std::optional<std::filesystem::path> simState;   // its state file
    std::optional<std::filesystem::path> simControl; // its control pipe
    // Lines the simulated mouse logs (bad frames, bad control lines).
    std::function<void(std::string_view)> simLog;
};

class DeviceLink {
public:
    explicit DeviceLink(std::unique_ptr<HidBackend> backend,
                        std::unique_ptr<Pacer> pacer = std::make_unique<SleepingPacer>());
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // The link of the options: hidraw, or the simulated mouse with its state
    // file and control pipe. Null with `error` when the simulated mouse's
    // state file is damaged or its pipe cannot be opened.
    static std::unique_ptr<DeviceLink> create(const DeviceLinkOptions& options, std::string& error);

    HidBackend& backend() { return *backend_; }
    // The simulated mouse when the link has one (else null).
    sim::SimulatedMouse* simulatedMouse() { return simMouse_.get(); }
    LinkState& linkState() { return link_; }
    const LinkState& linkState() const { return link_; }
    DeviceImage& deviceImage() { return image_; }
    const DeviceImage& deviceImage() const { return image_; }
    bool present() const { return link_.devicePresent.load() == 1; }

    void setTrace(TraceSink* trace) { trace_ = trace; }
    void setPacer(std::unique_ptr<Pacer> pacer) { pacer_ = std::move(pacer); }
    void setChunkReadTimeout(int milliseconds) { readTimeoutMs_ = milliseconds; }

    // Runs discovery and sets devicePresent from its result. lastError()
    // says why a collection of the mouse could not be opened (e.g. no
    // permission), empty when the mouse is simply not there.
    bool discover();
    const std::string& lastError() const { return lastError_; }
    // Why the last discovery could not use a mouse that is there (None when
    // it found the mouse, or nothing of it).
    MouseProblem problem() const { return problem_; }

    // How the commands wait while another program holds the mouse, unless a
    // command is given its own wait (transferWaitMs(), nobody told).
    void setTransferWait(TransferWait wait) { wait_ = std::move(wait); }

    // The commands (callers check present() first, as the GUI does). Each
    // holds the mouse's transfer lock for its whole exchange, waiting for it
    // as `wait` says (null: the link's wait); when it is not had, nothing is
    // sent and nothing saved. With `readFirst` Apply reads the basic
    // settings first, under the same lock.
    TransferAccess readBasicSettings(const TransferWait* wait = nullptr);
    ApplyResult apply(const SettingsBlock& settings, const ApplySaving& saving,
                      const TransferWait* wait = nullptr, bool readFirst = false);

    // The listener: created parked, started at once when the mouse is present
    // (else by the first arrival).
    void createListener(Listener::Callback callback);
    void resumeListener();
    bool listenerExists() const { return listener_ != nullptr; }
    bool listenerStarted() const { return listener_ && listener_->started(); }
    void stopListener();

    // Hot-plug: watch monitorFd() and call handleMonitorReadable() when it is
    // readable. Each decision says whether to warn and hide the window; the
    // link has already re-read the mouse and resumed the listener.
    bool startMonitor(std::string& error);
    int monitorFd() const { return monitor_ ? monitor_->fd() : -1; }
    // `wait`: how a re-read waits for the mouse (its stop() ends it at once);
    // null: the link's own.
    std::vector<DeviceChangeDecision> handleMonitorReadable(const TransferWait* wait = nullptr);
    // For callers that decide themselves: the changes waiting on the monitor,
    // runs of equal changes folded into one.
    std::vector<DeviceChange> readMonitorChanges();
    DeviceChangeDecision handleDeviceChange(DeviceChange change,
                                            const TransferWait* wait = nullptr);

    // Teardown: stops the listener, closes the handles and the monitor.
    void close();

private:
    CommandChannel channel();
    void dropHandles();

    std::unique_ptr<HidBackend> backend_;
    std::shared_ptr<sim::SimulatedMouse> simMouse_;
    std::unique_ptr<Pacer> pacer_;
    TraceSink* trace_ = nullptr;
    int readTimeoutMs_ = kDefaultChunkReadTimeoutMs;
    TransferWait wait_{transferWaitMs(), {}, {}};
    LinkState link_;
    DeviceImage image_;
    std::string lastError_;
    MouseProblem problem_ = MouseProblem::None;
    std::unique_ptr<sim::SimControlPipe> controlPipe_;
    std::unique_ptr<DeviceMonitor> monitor_;
    std::unique_ptr<Listener> listener_; // last: stopped before anything else goes
};

} // namespace pelmora
