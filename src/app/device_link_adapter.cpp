#include "app/device_link_adapter.h"

#include "device/device_link.h"
#include "settings/dpi_tables.h"

#include <iostream>

namespace pelmora {

namespace {

// No mouse at all: used when the device link cannot be set up.
class AbsentDevice final : public ShellDevice {
public:
    bool discover() override { return false; }
    bool present() const override { return false; }
    void setPresent(bool) override {}
    bool createListener(EventCallback, std::string&) override { return true; }
    bool listenerExists() const override { return true; }
    void resumeListener() override {}
    void stopListener() override {}
    int openHotplugMonitor(std::string& error) override {
        error = "no hot-plug monitor";
        return -1;
    }
    Change readHotplugChange() override { return Change::None; }
    void readBasicSettings() override {}
    void apply(const SettingsBlock&, const std::function<void()>&) override {}
    std::string dpiValueText(int) const override { return {}; }
    void close() override {}
};

// The shell's view of the device link (hidraw or the simulated mouse).
class LinkDevice final : public ShellDevice {
public:
    LinkDevice(std::unique_ptr<DeviceLink> link, const DataFolder& folder, MessageSink& messages)
        : link_(std::move(link)), folder_(folder), messages_(messages) {}

    bool discover() override {
        const bool found = link_->discover();
        if (!found && !link_->lastError().empty()) {
            std::cerr << "pelmora: " << link_->lastError() << '\n';
        }
        return found;
    }
    bool present() const override { return link_->present(); }
    void setPresent(bool present) override { link_->linkState().devicePresent = present ? 1 : 0; }
    bool createListener(EventCallback callback, std::string&) override {
        // Created parked; the dialog resumes it.
        link_->createListener(
            [callback = std::move(callback)](const DeviceEvent& e) { callback(e.type, e.value); });
        return true;
    }
    bool listenerExists() const override { return link_->listenerExists(); }
    void resumeListener() override { link_->resumeListener(); }
    void stopListener() override { link_->stopListener(); }
    int openHotplugMonitor(std::string& error) override {
        return link_->startMonitor(error) ? link_->monitorFd() : -1;
    }
    Change readHotplugChange() override {
        const std::vector<DeviceChange> changes = link_->readMonitorChanges();
        if (changes.empty()) {
            return Change::None;
        }
        // The newest change says where the mouse is now.
        return changes.back() == DeviceChange::Arrival ? Change::Arrival : Change::Removal;
    }
    void readBasicSettings() override { link_->readBasicSettings(); }
    void apply(const SettingsBlock& settings, const std::function<void()>& labelsHook) override {
        ApplySaving saving;
        saving.settingsFile = folder_.settingsFile();
        saving.messages = &messages_;
        saving.saveLabels = labelsHook;
        link_->apply(settings, saving);
    }
    std::string dpiValueText(int level) const override {
        if (level < 0) {
            return {};
        }
        return std::string(pelmora::dpiValueText(link_->deviceImage().activeSensorType,
                                                 static_cast<std::size_t>(level)));
    }
    void close() override { link_->close(); }

private:
    std::unique_ptr<DeviceLink> link_;
    DataFolder folder_;
    MessageSink& messages_;
};

} // namespace

std::unique_ptr<ShellDevice> makeShellDevice(const AppOptions& options, const DataFolder& folder,
                                             MessageSink& messages) {
    DeviceLinkOptions linkOptions;
    linkOptions.simulate = options.simulate || options.simState || options.simControl;
    linkOptions.simState = options.simState;
    linkOptions.simControl = options.simControl;
    linkOptions.simLog = [](std::string_view line) {
        std::cerr << "pelmora: simulated mouse: " << line << '\n';
    };
    std::string error;
    std::unique_ptr<DeviceLink> link = DeviceLink::create(linkOptions, error);
    if (!link) {
        messages.showMessage(error, kAppName);
        return std::make_unique<AbsentDevice>();
    }
    return std::make_unique<LinkDevice>(std::move(link), folder, messages);
}

} // namespace pelmora
