#pragma once
// Storing the result of a key dialog into the parameter arrays of one button,
// and the label text of a key combination. The key page sets the function
// index itself; these only fill the parameters that index reads. A button
// outside 0..7 is left alone.

#include "settings/settings_block.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// Launch list position: the choice and both bytes of its usage.
void storeLaunchChoice(KeyBlock& block, std::size_t button, std::size_t position);
// Multimedia list position: the choice and its usage.
void storeMediaChoice(KeyBlock& block, std::size_t button, std::size_t position);
// Fire-key list position with the dialog's speed and times.
void storeFireKey(KeyBlock& block, std::size_t button, std::size_t position, std::uint8_t speed,
                  std::uint8_t times);
// A captured key name; an unknown name stores 0 (the button then does nothing).
void storeSingleKey(KeyBlock& block, std::size_t button, std::string_view keyName);
// A captured modifier name and two key names; unknown names store 0.
void storeCombination(KeyBlock& block, std::size_t button, std::string_view modifierName,
                      std::string_view key1Name, std::string_view key2Name);
// A macro slot (0-based) and the macro dialog's loop mode 1..3, kept reduced
// by one as the mouse takes it.
void storeMacro(KeyBlock& block, std::size_t button, std::uint8_t macroIndex,
                std::uint8_t dialogLoopMode);

// The parts of a combination that have a code, joined with "+": the modifier
// name, then the first and second key names ("Left Ctrl" + "A" + "B" gives
// "Left Ctrl+A+B"). A name outside the tables is left out.
std::string combinationText(std::string_view modifierName, std::string_view key1Name,
                            std::string_view key2Name);

} // namespace pelmora
