#include "device/linux/hidraw_backend.h"

#include "base/atomic_file.h"
#include "device/discovery.h"
#include "device/linux/hidraw_handle.h"
#include "device/linux/udev_monitor.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <libudev.h>
#include <memory>

namespace pelmora {

namespace {
struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <typename T> using UdevPtr = std::unique_ptr<T, UdevDeleter>;
} // namespace

std::string permissionDeniedText(const std::string& devnode) {
    return "no permission to open " + devnode +
           ": install the udev rule packaging/70-pelmora.rules into /etc/udev/rules.d/ "
           "(see README), then unplug and plug the mouse; pelmora-cli doctor tells more";
}

std::vector<HidrawNode> listHidrawNodes(std::uint16_t vendor, std::uint16_t product) {
    std::vector<HidrawNode> nodes;
    UdevPtr<udev> context(udev_new());
    if (!context) {
        return nodes;
    }
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    if (!enumerate) {
        return nodes;
    }
    udev_enumerate_add_match_subsystem(enumerate.get(), "hidraw");
    udev_enumerate_scan_devices(enumerate.get());
    for (udev_list_entry* entry = udev_enumerate_get_list_entry(enumerate.get()); entry;
         entry = udev_list_entry_get_next(entry)) {
        UdevPtr<udev_device> device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device) {
            continue;
        }
        // Owned by the child device; not unreferenced here.
        udev_device* parent =
            udev_device_get_parent_with_subsystem_devtype(device.get(), "hid", nullptr);
        const char* devnode = udev_device_get_devnode(device.get());
        const char* hidId = parent ? udev_device_get_property_value(parent, "HID_ID") : nullptr;
        if (!devnode || !hidId) {
            continue;
        }
        const auto id = parseHidId(hidId);
        if (!id || id->vendor != vendor || id->product != product) {
            continue;
        }
        HidrawNode node;
        node.devnode = devnode;
        node.sysPath = udev_device_get_syspath(parent);
        node.hidId = hidId;
        // The interfaces of one mouse share its USB device. Elsewhere (uhid,
        // other buses) the HID devices of one mouse share their physical
        // path, less an interface suffix; an empty one groups them all.
        udev_device* usb =
            udev_device_get_parent_with_subsystem_devtype(device.get(), "usb", "usb_device");
        if (usb) {
            node.device = udev_device_get_syspath(usb);
        } else if (const char* phys = udev_device_get_property_value(parent, "HID_PHYS")) {
            node.device = physicalDeviceOf(phys);
        }
        std::string content;
        std::string error;
        if (readWholeFile(std::filesystem::path(node.sysPath) / "report_descriptor", content,
                          error)) {
            node.reportDescriptor.assign(content.begin(), content.end());
        } else {
            node.descriptorError = error;
        }
        nodes.push_back(std::move(node));
    }
    return nodes;
}

std::vector<HidCollectionInfo> HidrawBackend::enumerate() {
    NodeCollections found = collectionsOfNodes(listHidrawNodes(kMouseVendorId, kMouseProductId),
                                               kMouseVendorId, kMouseProductId);
    std::lock_guard lock(mutex_);
    numberedNodes_ = {found.numberedNodes.begin(), found.numberedNodes.end()};
    problems_ = std::move(found.problems);
    return std::move(found.collections);
}

OpenResult HidrawBackend::open(const HidCollectionInfo& collection, OpenMode mode) {
    const std::string node = nodeOfPath(collection.path);
    const int flags = (mode == OpenMode::Command  ? O_RDWR
                       : mode == OpenMode::Listen ? O_RDONLY
                                                  : O_WRONLY) |
                      O_CLOEXEC | O_NONBLOCK;
    UniqueFd fd(::open(node.c_str(), flags));
    OpenResult result;
    if (!fd.valid()) {
        const int error = errno;
        result.permissionDenied = error == EACCES || error == EPERM;
        result.error = result.permissionDenied
                           ? permissionDeniedText(node)
                           : "cannot open " + node + ": " + std::strerror(error);
        return result;
    }
    bool numbered = false;
    {
        std::lock_guard lock(mutex_);
        numbered = numberedNodes_.count(node) != 0;
    }
    result.handle = std::make_unique<HidrawHandle>(std::move(fd), numbered);
    return result;
}

std::vector<std::string> HidrawBackend::skippedNodes() const {
    std::lock_guard lock(mutex_);
    return problems_;
}

std::unique_ptr<DeviceMonitor> HidrawBackend::createMonitor(std::string& error) {
    return UdevMonitor::create(error);
}

} // namespace pelmora
