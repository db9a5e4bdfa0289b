#pragma once
// The report descriptors of the virtual mouse. The mouse shows the kernel two
// HID devices, as its USB interfaces do:
//  - the command device: one vendor collection (usage page 0xFF00, usage
//    0xFF00) without report IDs, an 8-byte feature report for the command
//    frames and 32-byte input and output reports for the bulk chunks;
//  - the pointer device: an ordinary mouse collection (report ID 1) and the
//    listener collection (usage page 0xFF01, usage 0xFF01) whose input
//    report ID 6 carries 8 bytes of event data. Both share one hidraw node,
//    so whoever reads the listener sees the mouse's motion reports too.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pelmora::uhid {

inline constexpr std::uint16_t kVendorId = 0x04D9;
inline constexpr std::uint16_t kProductId = 0xA09F;
inline constexpr std::uint16_t kBusUsb = 0x03;

inline constexpr std::size_t kFrameBytes = 8;  // feature report data
inline constexpr std::size_t kChunkBytes = 32; // input and output report data
inline constexpr std::uint8_t kPointerReportId = 1;
inline constexpr std::uint8_t kListenReportId = 6;
inline constexpr std::size_t kListenDataBytes = 8;
// Buttons (1 byte), X and Y (16 bits each), wheel (1 byte).
inline constexpr std::size_t kPointerDataBytes = 6;

// clang-format off
inline constexpr auto kCommandDeviceDescriptor = std::to_array<std::uint8_t>({
    0x06, 0x00, 0xFF,  // Usage Page (0xFF00)
    0x0A, 0x00, 0xFF,  // Usage (0xFF00)
    0xA1, 0x01,        // Collection (Application)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x08,        //   Report Count (8)
    0x09, 0x01,        //   Usage (1)
    0xB1, 0x02,        //   Feature (Data, Variable, Absolute): the command frame
    0x95, 0x20,        //   Report Count (32)
    0x09, 0x02,        //   Usage (2)
    0x81, 0x02,        //   Input (Data, Variable, Absolute): a chunk from the mouse
    0x09, 0x03,        //   Usage (3)
    0x91, 0x02,        //   Output (Data, Variable, Absolute): a chunk to the mouse
    0xC0,              // End Collection
});

inline constexpr auto kPointerDeviceDescriptor = std::to_array<std::uint8_t>({
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x02,        // Usage (Mouse)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x01,        //   Report ID (1)
    0x09, 0x01,        //   Usage (Pointer)
    0xA1, 0x00,        //   Collection (Physical)
    0x05, 0x09,        //     Usage Page (Button)
    0x19, 0x01,        //     Usage Minimum (1)
    0x29, 0x08,        //     Usage Maximum (8)
    0x15, 0x00,        //     Logical Minimum (0)
    0x25, 0x01,        //     Logical Maximum (1)
    0x75, 0x01,        //     Report Size (1)
    0x95, 0x08,        //     Report Count (8)
    0x81, 0x02,        //     Input (Data, Variable, Absolute): buttons
    0x05, 0x01,        //     Usage Page (Generic Desktop)
    0x09, 0x30,        //     Usage (X)
    0x09, 0x31,        //     Usage (Y)
    0x16, 0x01, 0x80,  //     Logical Minimum (-32767)
    0x26, 0xFF, 0x7F,  //     Logical Maximum (32767)
    0x75, 0x10,        //     Report Size (16)
    0x95, 0x02,        //     Report Count (2)
    0x81, 0x06,        //     Input (Data, Variable, Relative): motion
    0x09, 0x38,        //     Usage (Wheel)
    0x15, 0x81,        //     Logical Minimum (-127)
    0x25, 0x7F,        //     Logical Maximum (127)
    0x75, 0x08,        //     Report Size (8)
    0x95, 0x01,        //     Report Count (1)
    0x81, 0x06,        //     Input (Data, Variable, Relative): wheel
    0xC0,              //   End Collection
    0xC0,              // End Collection
    0x06, 0x01, 0xFF,  // Usage Page (0xFF01)
    0x0A, 0x01, 0xFF,  // Usage (0xFF01)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x06,        //   Report ID (6)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x08,        //   Report Count (8)
    0x09, 0x01,        //   Usage (1)
    0x81, 0x02,        //   Input (Data, Variable, Absolute): an event of the mouse
    0xC0,              // End Collection
});
// clang-format on

} // namespace pelmora::uhid
