#pragma once
// Where HID collections come from: the hidraw nodes of the machine or the
// simulated mouse. Discovery only sees this interface.

#include "device/device_monitor.h"
#include "device/hid_handle.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pelmora {

// One top-level collection of a HID device. Report lengths mean what the
// Windows capabilities mean: the longest report of that type in bytes plus
// one for the report ID, also when the device uses no report IDs; 0 when the
// collection has no report of that type.
struct HidCollectionInfo {
    std::string path;          // what open() takes (e.g. /dev/hidraw3#1)
    std::string interfacePath; // shown to the user (the node or sysfs path)
    std::string device;        // the physical mouse it belongs to (empty: the only one)
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

enum class OpenMode { Command, Listen, Output };

struct OpenResult {
    std::unique_ptr<HidHandle> handle; // null on failure
    std::string error;                 // why, for the user
    bool permissionDenied = false;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    // The collections of every present device that may be the mouse.
    virtual std::vector<HidCollectionInfo> enumerate() = 0;
    virtual OpenResult open(const HidCollectionInfo& collection, OpenMode mode) = 0;
    // Nodes of the mouse the last enumerate() skipped, each "node: why".
    virtual std::vector<std::string> skippedNodes() const { return {}; }
    // A monitor of the mouse's arrivals and removals; null with `error`
    // when none can be set up.
    virtual std::unique_ptr<DeviceMonitor> createMonitor(std::string& error) = 0;
};

} // namespace pelmora
