#pragma once
// A udev monitor on subsystem hidraw that reports the mouse's nodes coming
// and going.

#include "device/device_monitor.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct udev;
struct udev_monitor;

namespace pelmora {

// The change a udev event of a hidraw node means: add or remove of one of
// the mouse's nodes; nothing for other devices or actions.
std::optional<DeviceChange> deviceChangeOf(std::string_view action, std::string_view devpath);

class UdevMonitor final : public DeviceMonitor {
public:
    static std::unique_ptr<UdevMonitor> create(std::string& error);
    ~UdevMonitor() override;
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    int fd() const override;
    std::vector<DeviceChange> readChanges() override;

private:
    UdevMonitor(udev* context, udev_monitor* monitor) : context_(context), monitor_(monitor) {}
    udev* context_;
    udev_monitor* monitor_;
};

} // namespace pelmora
