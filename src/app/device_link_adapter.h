#pragma once
// The shell's view of the device link over the real mouse or the simulated one.

#include "app/app_options.h"
#include "app/shell_device.h"
#include "device/link/device_link.h"
#include "device/trace_sink.h"
#include "settings/data_folder.h"
#include "settings/message_sink.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace pelmora {

class LinkShellDevice final : public ShellDevice {
public:
    LinkShellDevice(std::unique_ptr<DeviceLink> link, DataFolder folder, MessageSink& messages);
    ~LinkShellDevice() override;

    DeviceLink& link() { return *link_; }
    // Every exchange with the mouse from now on into `file` (replaced);
    // false with `error` when it cannot be written.
    bool traceInto(const std::filesystem::path& file, std::string& error);

    bool discover() override;
    bool present() const override;
    bool createListener(EventCallback callback, std::string& error) override;
    void resumeListener() override;
    void stopListener() override;
    int openHotplugMonitor(std::string& error) override;
    std::vector<HotplugReaction> handleHotplug() override;
    bool initialReadDone() const override;
    void setInitialReadDone() override;
    bool readBasicSettings() override;
    ApplyResult apply(const SettingsBlock& settings, const std::function<void()>& labelsHook,
                      const TransferWait& wait, Language language) override;
    std::uint8_t activeSensorType() const override;
    MouseProblem problem() const override { return link_->problem(); }
    void close() override;

private:
    // Declared before the link, which writes into them until it goes.
    std::ofstream traceFile_;
    std::unique_ptr<StreamTraceSink> trace_;
    std::unique_ptr<DeviceLink> link_;
    DataFolder folder_;
    MessageSink& messages_;
    std::string reportedError_;
};

// The link the options ask for: hidraw, or the simulated mouse with its state
// file and control pipe (--sim-state and --sim-control imply --simulate).
// When the simulated mouse cannot be set up (a damaged state file, a control
// pipe that cannot be made) the user is told and the program runs without a mouse.
std::unique_ptr<ShellDevice> makeShellDevice(const AppOptions& options, const DataFolder& folder,
                                             MessageSink& messages);

} // namespace pelmora
