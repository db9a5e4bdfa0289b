#pragma once
// The settings the program is delivered with (config.bin with flag byte 0).

#include "settings/settings_block.h"

namespace pelmora {

// The key assignment of the key page's Default button, in one key block:
// Left, Right, Mid, Forward, Backward, DPI Switch, Key Off, Key Off.
inline constexpr ButtonBytes kDefaultKeyFunctions{0, 1, 2, 3, 4, 6, 15, 15};
// Button 6 is "DPI Loop" by default.
inline constexpr std::size_t kDefaultDpiSwitchButton = 5;
inline constexpr std::uint8_t kDpiLoopAction = 3;

// Default key functions of both key modes (and the DPI Loop of button 6);
// leaves every other byte as it is.
void applyDefaultKeyAssignment(SettingsBlock& settings);

// A complete factory block: default keys, all four DPI stages on, report
// interval 1 ms, pointer speed 6, three scroll lines, double-click level 6.
SettingsBlock factorySettings();

} // namespace pelmora
