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

std::unique_ptr<UdevMonitor> UdevMonitor::create(std::string& error) {
    udev* context = udev_new();
    if (!context) {
        error = "cannot talk to udev";
        return nullptr;
    }
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        if (monitor) {
            udev_monitor_unref(monitor);
        }
        udev_unref(context);
        error = "cannot watch for the mouse being plugged in (udev monitor)";
        return nullptr;
    }
    return std::unique_ptr<UdevMonitor>(new UdevMonitor(context, monitor));
}

UdevMonitor::~UdevMonitor() {
    udev_monitor_unref(monitor_);
    udev_unref(context_);
}

int UdevMonitor::fd() const {
    return udev_monitor_get_fd(monitor_);
}

std::vector<DeviceChange> UdevMonitor::readChanges() {
    std::vector<DeviceChange> changes;
    // The monitor's socket is non-blocking: this drains what is waiting.
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
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
