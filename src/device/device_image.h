#pragma once
// The payloads last sent to the mouse or read back from it, one group per
// command. All zero at start.

#include "keys/key_matrix.h"
#include "settings/settings_block.h"

#include <array>
#include <cstdint>

namespace pelmora {

inline constexpr std::size_t kDpiColourPayloadSize = 24;
inline constexpr std::size_t kDpiStagePayloadSize = 8;

struct DeviceImage {
    std::uint8_t reportInterval = 0;                                    // command 0x01
    std::array<std::uint8_t, kDpiColourPayloadSize> dpiColourPayload{}; // 0x10 frame 1
    KeyMatrices keyMatrix{};                                            // 0x12, matrices 1..4
    std::array<MacroSlot, kMacroSlotCount> macroImage{};                // 0x13 / 0x93
    std::array<std::uint8_t, kDpiStagePayloadSize> dpiStagePayload{};   // 0x11
    std::uint8_t dpiStageCount = 0;                                     // byte 1 of 0x11
    std::uint8_t effect = 0;                                            // 0x0D / 0x8D
    std::uint8_t effectOption1 = 0;
    std::uint8_t effectOption2 = 0;
    std::array<std::uint8_t, 3> colourPage0{}; // 0x07 / 0x87 page 0
    std::array<std::uint8_t, 3> colourPage1{}; // page 1
    std::uint8_t sensorType = 0;               // 0x03 / 0x83
    std::uint8_t reportRate = 0;
    std::uint8_t option1 = 0;
    std::uint8_t option2 = 0;
    // Copy of sensorType taken at each read of the basic settings; selects
    // the DPI code and value tables.
    std::uint8_t activeSensorType = 0;

    bool operator==(const DeviceImage&) const = default;
};

} // namespace pelmora
