#include "app/device_link_adapter.h"

namespace pelmora {

namespace {
// Stand-in until the device link is wired: no mouse.
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
} // namespace

std::unique_ptr<ShellDevice> makeShellDevice(const AppOptions&, const DataFolder&, MessageSink&) {
    return std::make_unique<AbsentDevice>();
}

} // namespace pelmora
