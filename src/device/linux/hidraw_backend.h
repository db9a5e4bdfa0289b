#pragma once
// The mouse through the kernel's hidraw nodes: libudev lists the nodes whose
// parent HID device is 04D9:A09F, our parser reads their report descriptors,
// and a udev monitor announces their arrival and removal.

#include "device/hid_backend.h"
#include "device/linux/hidraw_nodes.h"

#include <mutex>
#include <set>
#include <string>

namespace pelmora {

// What to tell a user who may not open the mouse's nodes.
std::string permissionDeniedText(const std::string& devnode);

class HidrawBackend final : public HidBackend {
public:
    std::vector<HidCollectionInfo> enumerate() override;
    OpenResult open(const HidCollectionInfo& collection, OpenMode mode) override;
    std::unique_ptr<DeviceMonitor> createMonitor(std::string& error) override;

    // Problems met by the last enumeration (nodes skipped).
    std::vector<std::string> skippedNodes() const override;

private:
    mutable std::mutex mutex_;
    std::set<std::string> numberedNodes_;
    std::vector<std::string> problems_;
};

// The hidraw nodes of the system whose parent HID device is vendor:product.
std::vector<HidrawNode> listHidrawNodes(std::uint16_t vendor, std::uint16_t product);

} // namespace pelmora
