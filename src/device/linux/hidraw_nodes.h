#pragma once
// From hidraw nodes to the collections discovery sees. Kept apart from
// libudev so it can be tested on recorded data.

#include "device/hid_backend.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// One hidraw node as the system describes it.
struct HidrawNode {
    std::string devnode; // /dev/hidrawN
    std::string sysPath; // the parent HID device's sysfs path
    std::string hidId;   // HID_ID of the parent, e.g. "0003:000004D9:0000A09F"
    std::vector<std::uint8_t> reportDescriptor;
    std::string device;          // the physical mouse (its USB device's sysfs path)
    std::string descriptorError; // why the descriptor could not be read, if so
};

struct HidId {
    std::uint16_t bus = 0;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
};

// "BBBB:VVVVVVVV:PPPPPPPP" in hex; null for anything else.
std::optional<HidId> parseHidId(std::string_view text);

struct NodeCollections {
    std::vector<HidCollectionInfo> collections;
    std::vector<std::string> numberedNodes; // nodes whose input starts with the report ID
    std::vector<std::string> problems;      // nodes skipped, and why
};

// Every top-level collection of the mouse's nodes; path = "devnode#index".
// Collections are grouped by physical mouse (in the order of their device
// paths, so the same mouse comes first every time), and within a mouse the
// listener collections come before the command collections, as the mouse's
// interfaces are listed on Windows: discovery stops at the first command
// collection, so it pairs the listener and the command collection of one mouse.
NodeCollections collectionsOfNodes(const std::vector<HidrawNode>& nodes, std::uint16_t vendor,
                                   std::uint16_t product);

// The physical device of a HID_PHYS value: the value without a trailing
// "/input<N>" (the interface), e.g. "usb-0000:00:14.0-2/input1" ->
// "usb-0000:00:14.0-2".
std::string physicalDeviceOf(std::string_view phys);

// The node of a collection path ("devnode#index" -> devnode).
std::string nodeOfPath(std::string_view path);

// Whether a hidraw device path belongs to the mouse: its parent HID device
// is named "BBBB:04D9:A09F.NNNN" (any case).
bool isMouseDevicePath(std::string_view devpath);

} // namespace pelmora
