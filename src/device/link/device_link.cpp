#include "device/link/device_link.h"

#include "base/log.h"
#include "device/discovery.h"
#include "device/linux/hidraw_backend.h"
#include "device/sim/sim_backend.h"
#include "device/sim/sim_control_pipe.h"

#include <algorithm>

namespace pelmora {

DeviceLink::DeviceLink(std::unique_ptr<HidBackend> backend, std::unique_ptr<Pacer> pacer)
    : backend_(std::move(backend)), pacer_(std::move(pacer)) {
    if (auto* sim = dynamic_cast<sim::SimBackend*>(backend_.get())) {
        simMouse_ = sim->sharedMouse();
    }
}

DeviceLink::~DeviceLink() {
    stopListener();
}

std::unique_ptr<DeviceLink> DeviceLink::create(const DeviceLinkOptions& options,
                                               std::string& error) {
    if (!options.simulate) {
        return std::make_unique<DeviceLink>(std::make_unique<HidrawBackend>());
    }
    auto mouse = std::make_shared<sim::SimulatedMouse>();
    if (options.simState && !mouse->attachStateFile(*options.simState, error)) {
        return nullptr;
    }
    auto link = std::make_unique<DeviceLink>(std::make_unique<sim::SimBackend>(
        mouse, options.simLog,
        options.simState ? sim::simLockFileOf(*options.simState) : std::filesystem::path()));
    if (options.simControl) {
        link->controlPipe_ = std::make_unique<sim::SimControlPipe>(mouse, options.simLog);
        if (!link->controlPipe_->start(*options.simControl, error)) {
            return nullptr;
        }
    }
    return link;
}

CommandChannel DeviceLink::channel() {
    return CommandChannel(link_.commandHandle.get(), link_.commandLengths(), *pacer_, trace_,
                          readTimeoutMs_);
}

void DeviceLink::dropHandles() {
    link_.commandHandle.reset();
    link_.outputHandle.reset();
    link_.listenHandle.reset();
}

bool DeviceLink::discover() {
    const DiscoveryResult result =
        discoverMouse(*backend_, link_, [this](std::shared_ptr<HidHandle> handle, std::uint16_t n) {
            if (listener_) {
                listener_->rearm(std::move(handle), n);
            }
        });
    lastError_ = result.error;
    if (result.found) {
        problem_ = MouseProblem::None;
    } else if (!result.error.empty()) {
        problem_ = result.permissionDenied ? MouseProblem::NoPermission : MouseProblem::CannotOpen;
    } else {
        problem_ = backend_->skippedNodes().empty() ? MouseProblem::None
                                                    : MouseProblem::UnreadableDescriptor;
    }
    link_.devicePresent = result.found ? 1 : 0;
    if (!result.found) {
        dropHandles();
        if (listener_) {
            listener_->rearm(nullptr, 0); // it lets go of the vanished node too
        }
    }
    // devicePresent changed after the listener was woken by the new handle:
    // wake it again so it does not stay parked on a stale look.
    if (listener_) {
        listener_->wake();
    }
    logLine(LogCategory::Device, LogLevel::Info,
            result.found           ? "discovery: the mouse is there"
            : result.error.empty() ? "discovery: no mouse"
                                   : "discovery: the mouse cannot be used: " + result.error);
    return result.found;
}

TransferAccess DeviceLink::readBasicSettings(const TransferWait* wait) {
    TransferAccess access = TransferAccess::Granted;
    const TransferLock lock =
        TransferLock::acquire(link_.commandHandle.get(), wait ? *wait : wait_, access);
    if (access == TransferAccess::Granted) {
        CommandChannel ch = channel();
        pelmora::readBasicSettings(ch, image_);
    }
    logLine(LogCategory::Device, LogLevel::Info,
            access == TransferAccess::Granted ? "read the basic settings"
                                              : "the basic settings not read: another program "
                                                "kept the mouse");
    return access;
}

ApplyResult DeviceLink::apply(const SettingsBlock& settings, const ApplySaving& saving,
                              const TransferWait* wait, bool readFirst) {
    ApplyResult result;
    const TransferLock lock =
        TransferLock::acquire(link_.commandHandle.get(), wait ? *wait : wait_, result.access);
    if (result.access != TransferAccess::Granted) {
        logLine(LogCategory::Device, LogLevel::Info,
                "apply: nothing sent, another program kept the mouse");
        return result;
    }
    logLine(LogCategory::Device, LogLevel::Info, "apply: sending");
    CommandChannel ch = channel();
    if (readFirst) {
        pelmora::readBasicSettings(ch, image_);
    }
    result = pelmora::apply(ch, image_, settings, saving);
    logLine(LogCategory::Device, LogLevel::Info,
            "apply: " + std::to_string(result.writes - result.failedWrites) + " of " +
                std::to_string(result.writes) + " writes reached the mouse; config.bin " +
                (result.saved == SaveResult::Saved ? "saved" : "not saved"));
    return result;
}

void DeviceLink::createListener(Listener::Callback callback) {
    if (listener_) {
        return;
    }
    listener_ = std::make_unique<Listener>(link_.devicePresent, std::move(callback));
    if (link_.listenHandle) {
        listener_->rearm(link_.listenHandle, link_.listenReportLength);
    }
    if (present()) {
        listener_->start();
    }
}

void DeviceLink::resumeListener() {
    if (listener_) {
        listener_->start();
    }
}

void DeviceLink::stopListener() {
    if (listener_) {
        listener_->stop();
    }
}

bool DeviceLink::startMonitor(std::string& error) {
    monitor_ = backend_->createMonitor(error);
    return monitor_ != nullptr;
}

std::vector<DeviceChange> DeviceLink::readMonitorChanges() {
    if (!monitor_) {
        return {};
    }
    std::vector<DeviceChange> changes = monitor_->readChanges();
    // Several nodes of the mouse come and go together: one look per run of
    // equal changes is enough.
    changes.erase(std::unique(changes.begin(), changes.end()), changes.end());
    return changes;
}

void DeviceLink::close() {
    stopListener();
    monitor_.reset();
    dropHandles();
    link_.devicePresent = 0;
}

std::vector<DeviceChangeDecision> DeviceLink::handleMonitorReadable(const TransferWait* wait) {
    std::vector<DeviceChangeDecision> decisions;
    for (DeviceChange change : readMonitorChanges()) {
        decisions.push_back(handleDeviceChange(change, wait));
    }
    return decisions;
}

DeviceChangeDecision DeviceLink::handleDeviceChange(DeviceChange change, const TransferWait* wait) {
    const bool found = discover();
    DeviceChangeDecision decision =
        decideDeviceChange(change, found, link_.initialReadDone != 0, listener_ != nullptr);
    logLine(LogCategory::Device, LogLevel::Info,
            std::string("hot-plug: a node ") +
                (change == DeviceChange::Arrival ? "arrived" : "went away") + "; the mouse is " +
                (decision.present ? "there" : "gone"));
    link_.devicePresent = decision.present ? 1 : 0;
    if (decision.readBasicSettings) {
        decision.readMissed = readBasicSettings(wait) != TransferAccess::Granted;
    }
    if (decision.resumeListener) {
        listener_->start();
    }
    return decision;
}

} // namespace pelmora
