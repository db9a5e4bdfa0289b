#include "device/linux/udev_monitor.h"

#include "device/linux/hidraw_nodes.h"

#include <libudev.h>

namespace pelmora {

std::optional<DeviceChange> deviceChangeOf(std::string_view action, std::string_view devpath) {
    if (!isMouseDevicePath(devpath)) {
        return std::nullopt;
    }
    if (action == "add") {
        return DeviceChange::Arrival;
    }
    if (action == "remove") {
        return DeviceChange::Removal;
    }
    return std::nullopt;
}

struct UdevMonitor::Handles {
    struct ContextUnref {
        void operator()(udev* context) const { udev_unref(context); }
    };
    struct MonitorUnref {
        void operator()(udev_monitor* monitor) const { udev_monitor_unref(monitor); }
    };
    // The monitor goes before the context it came from.
    std::unique_ptr<udev, ContextUnref> context;
    std::unique_ptr<udev_monitor, MonitorUnref> monitor;
};

std::unique_ptr<UdevMonitor> UdevMonitor::create(std::string& error) {
    auto handles = std::make_unique<Handles>();
    handles->context.reset(udev_new());
    if (!handles->context) {
        error = "cannot talk to udev";
        return nullptr;
    }
    handles->monitor.reset(udev_monitor_new_from_netlink(handles->context.get(), "udev"));
    udev_monitor* monitor = handles->monitor.get();
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        error = "cannot watch for the mouse being plugged in (udev monitor)";
        return nullptr;
    }
    return std::make_unique<UdevMonitor>(std::move(handles));
}

UdevMonitor::UdevMonitor(std::unique_ptr<Handles> handles) : handles_(std::move(handles)) {}

UdevMonitor::~UdevMonitor() = default;

int UdevMonitor::fd() const {
    return udev_monitor_get_fd(handles_->monitor.get());
}

std::vector<DeviceChange> UdevMonitor::readChanges() {
    std::vector<DeviceChange> changes;
    // The monitor's socket is non-blocking: this drains what is waiting.
    while (udev_device* device = udev_monitor_receive_device(handles_->monitor.get())) {
        const char* action = udev_device_get_action(device);
        const char* devpath = udev_device_get_devpath(device);
        if (action && devpath) {
            if (const auto change = deviceChangeOf(action, devpath)) {
                changes.push_back(*change);
            }
        }
        udev_device_unref(device);
    }
    return changes;
}

} // namespace pelmora
