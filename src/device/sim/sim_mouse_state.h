#pragma once
// What the simulated mouse keeps: everything the program can write to it.

#include "settings/settings_block.h"

#include <array>
#include <cstdint>

namespace pelmora::sim {

struct SimMouseState {
    std::uint8_t sensorType = 0;
    std::uint8_t reportRate = 1;
    std::uint8_t option1 = 0;
    std::uint8_t option2 = 0;
    std::uint8_t reportInterval = 0;
    std::uint8_t effect = 1;
    std::uint8_t effectOption1 = 5;
    std::uint8_t effectOption2 = 2;
    std::array<std::uint8_t, 3> colourPage0{1, 0, 0};
    std::array<std::uint8_t, 3> colourPage1{};
    std::array<std::uint8_t, 24> dpiColours{};                 // payload of 0x10 frame 1
    std::array<std::uint8_t, 8> dpiStages{};                   // payload of 0x11
    std::array<std::array<std::uint8_t, 64>, 4> keyMatrices{}; // wire order
    std::array<MacroSlot, kMacroSlotCount> macroSlots{};

    bool operator==(const SimMouseState&) const = default;
};

} // namespace pelmora::sim
