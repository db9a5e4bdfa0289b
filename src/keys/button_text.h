#pragma once
// A button's function as text: the inverse of storing a choice of the key
// page's list or a key dialog's result. "Left Click", "DPI Loop",
// "Single Key:F5", "Combo Key:Left Ctrl+C", "Fire Key:A:32:1",
// "Multimedia:Mute", "Windows:Calculator", "Macro Key:2:1" (slot, loop mode
// 1..3), in English. A function code the list does not hold gives
// "unknown function N".

#include "keys/key_settings.h"
#include "settings/settings_block.h"

#include <string>

namespace pelmora {

std::string buttonFunctionText(const SettingsBlock& settings, KeyButton key);

} // namespace pelmora
