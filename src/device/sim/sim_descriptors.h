#pragma once
// Report descriptors of the simulated mouse's two vendor interfaces, for a
// bridge that shows the model to the kernel (one device per interface):
// the command interface numbers no reports (feature 8 bytes, input and
// output 32 bytes: lengths 9, 33, 33), the listener interface sends input
// report 6 with 8 bytes (length 9).

#include <array>
#include <cstdint>

namespace pelmora::sim {

inline constexpr std::array<std::uint8_t, 32> kSimCommandDescriptor{
    0x06, 0x00, 0xFF,       // usage page 0xFF00
    0x0A, 0x00, 0xFF,       // usage 0xFF00
    0xA1, 0x01,             // collection (application)
    0x15, 0x00,             //   logical minimum 0
    0x26, 0xFF, 0x00,       //   logical maximum 255
    0x75, 0x08,             //   report size 8
    0x95, 0x20,             //   report count 32
    0x09, 0x01, 0x81, 0x02, //   usage 1, input (data, variable)
    0x09, 0x02, 0x91, 0x02, //   usage 2, output
    0x95, 0x08,             //   report count 8
    0x09, 0x03, 0xB1, 0x02, //   usage 3, feature
    0xC0,                   // end collection
};

inline constexpr std::array<std::uint8_t, 21> kSimListenerDescriptor{
    0x06, 0x01, 0xFF,       // usage page 0xFF01
    0x0A, 0x01, 0xFF,       // usage 0xFF01
    0xA1, 0x01,             // collection (application)
    0x85, 0x06,             //   report ID 6
    0x15, 0x00,             //   logical minimum 0
    0x75, 0x08,             //   report size 8
    0x95, 0x08,             //   report count 8
    0x09, 0x01, 0x81, 0x02, //   usage 1, input
    0xC0,                   // end collection
};

} // namespace pelmora::sim
