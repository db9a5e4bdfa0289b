#pragma once
// A udev monitor on subsystem hidraw that reports the mouse's nodes coming
// and going. Built on libudev itself: the little code here only picks the
// events of our nodes.

#include "device/device_monitor.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The change a udev event of a hidraw node means: add or remove of one of
// the mouse's nodes; nothing for other devices or actions.
std::optional<DeviceChange> deviceChangeOf(std::string_view action, std::string_view devpath);

class UdevMonitor final : public DeviceMonitor {
    struct Handles; // the udev context and monitor, released together

public:
    static std::unique_ptr<UdevMonitor> create(std::string& error);
    explicit UdevMonitor(std::unique_ptr<Handles> handles);
    ~UdevMonitor() override;
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    int fd() const override;
    std::vector<DeviceChange> readChanges() override;

private:
    std::unique_ptr<Handles> handles_;
};

} // namespace pelmora
