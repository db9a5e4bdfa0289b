#include "app/device_link_adapter.h"

namespace pelmora {

namespace {
// Stand-in until the device link is wired: no mouse.
class AbsentDevice final : public ShellDevice {
public:
    bool discover() override { return false; }
    bool present() const override { return false; }
    bool createListener(EventCallback, std::string&) override { return true; }
    void resumeListener() override {}
    void stopListener() override {}
    int openHotplugMonitor(std::string& error) override {
        error = "no hot-plug monitor";
        return -1;
    }
    std::vector<HotplugReaction> handleHotplug() override { return {}; }
    bool initialReadDone() const override { return done_; }
    void setInitialReadDone() override { done_ = true; }
    void readBasicSettings() override {}
    void apply(const SettingsBlock&, const std::function<void()>&) override {}
    std::uint8_t activeSensorType() const override { return 0; }
    void close() override {}

private:
    bool done_ = false;
};
} // namespace

std::unique_ptr<ShellDevice> makeShellDevice(const AppOptions&, const DataFolder&, MessageSink&) {
    return std::make_unique<AbsentDevice>();
}

} // namespace pelmora
