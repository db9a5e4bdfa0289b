#include "app/device_link_adapter.h"

#include "base/log.h"

#include <cerrno>
#include <cstring>
#include <exception>

namespace pelmora {

namespace {

// No mouse at all: used when the device link cannot be set up.
class AbsentDevice final : public ShellDevice {
public:
    bool discover() override { return false; }
    bool present() const override { return false; }
    bool createListener(EventCallback, std::string&) override { return true; }
    void resumeListener() override {}
    void stopListener() override {}
    int openHotplugMonitor(std::string& error) override {
        error = "no device link";
        return -1;
    }
    std::vector<HotplugReaction> handleHotplug() override { return {}; }
    bool initialReadDone() const override { return done_; }
    void setInitialReadDone() override { done_ = true; }
    bool readBasicSettings() override { return true; }
    ApplyResult apply(const SettingsBlock&, const std::function<void()>&, const TransferWait&,
                      Language) override {
        return {};
    }
    std::uint8_t activeSensorType() const override { return 0; }
    void close() override {}

private:
    bool done_ = false;
};

} // namespace

LinkShellDevice::LinkShellDevice(std::unique_ptr<DeviceLink> link, DataFolder folder,
                                 MessageSink& messages)
    : link_(std::move(link)), folder_(std::move(folder)), messages_(messages) {
    // The reads the link makes on its own (after an arrival) run on the GUI
    // thread: they never wait for another program, the window retries them.
    link_->setTransferWait({0, {}, {}});
}

LinkShellDevice::~LinkShellDevice() {
    link_->stopListener();
}

bool LinkShellDevice::traceInto(const std::filesystem::path& file, std::string& error) {
    traceFile_.open(file, std::ios::out | std::ios::trunc);
    if (!traceFile_) {
        error = "cannot write the trace " + file.string() + ": " + std::strerror(errno);
        return false;
    }
    trace_ = std::make_unique<StreamTraceSink>(traceFile_);
    link_->setTrace(trace_.get());
    return true;
}

bool LinkShellDevice::discover() {
    const bool found = link_->discover();
    // Say once why a mouse that is there cannot be used (typically no
    // permission on its hidraw nodes); a missing mouse is no error.
    const std::string& error = link_->lastError();
    if (!error.empty() && error != reportedError_) {
        logLine(LogCategory::Device, LogLevel::Warning, error);
    }
    reportedError_ = error;
    return found;
}

bool LinkShellDevice::present() const {
    return link_->present();
}

bool LinkShellDevice::createListener(EventCallback callback, std::string& error) {
    try {
        link_->createListener([callback = std::move(callback)](const DeviceEvent& event) {
            callback(event.type, event.value);
        });
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    return link_->listenerExists();
}

void LinkShellDevice::resumeListener() {
    link_->resumeListener();
}

void LinkShellDevice::stopListener() {
    link_->stopListener();
}

int LinkShellDevice::openHotplugMonitor(std::string& error) {
    return link_->startMonitor(error) ? link_->monitorFd() : -1;
}

std::vector<ShellDevice::HotplugReaction> LinkShellDevice::handleHotplug() {
    std::vector<HotplugReaction> reactions;
    for (const DeviceChangeDecision& decision : link_->handleMonitorReadable()) {
        reactions.push_back({decision.warn, decision.hideWindow, decision.readMissed});
    }
    return reactions;
}

bool LinkShellDevice::initialReadDone() const {
    return link_->linkState().initialReadDone != 0;
}

void LinkShellDevice::setInitialReadDone() {
    link_->linkState().initialReadDone = 1;
}

bool LinkShellDevice::readBasicSettings() {
    return link_->readBasicSettings() == TransferAccess::Granted;
}

ApplyResult LinkShellDevice::apply(const SettingsBlock& settings,
                                   const std::function<void()>& labelsHook,
                                   const TransferWait& wait, Language language) {
    ApplySaving saving;
    saving.settingsFile = folder_.settingsFile();
    saving.messages = &messages_;
    saving.language = language;
    saving.saveLabels = labelsHook;
    return link_->apply(settings, saving, &wait);
}

std::uint8_t LinkShellDevice::activeSensorType() const {
    return link_->deviceImage().activeSensorType;
}

void LinkShellDevice::close() {
    link_->close();
}

std::unique_ptr<ShellDevice> makeShellDevice(const AppOptions& options, const DataFolder& folder,
                                             MessageSink& messages) {
    DeviceLinkOptions linkOptions;
    linkOptions.simulate = options.common.simulated();
    linkOptions.simState = options.common.simState;
    linkOptions.simControl = options.common.simControl;
    linkOptions.simLog = [](std::string_view line) {
        logLine(LogCategory::Device, LogLevel::Warning, "simulated mouse: " + std::string(line));
    };
    std::string error;
    std::unique_ptr<DeviceLink> link = DeviceLink::create(linkOptions, error);
    if (!link) {
        messages.showMessage(error, kAppName);
        return std::make_unique<AbsentDevice>();
    }
    auto device = std::make_unique<LinkShellDevice>(std::move(link), folder, messages);
    if (options.trace && !device->traceInto(*options.trace, error)) {
        messages.showMessage(error, kAppName);
    }
    return device;
}

} // namespace pelmora
