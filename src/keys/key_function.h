#pragma once
// The sixteen button functions and how each becomes a key function code.

#include "keys/key_matrix.h"
#include "settings/settings_block.h"

#include <cstddef>
#include <cstdint>

namespace pelmora {

inline constexpr std::size_t kKeyFunctionCount = 16;

// The code of one button's function; indexes 16 and above give the empty entry.
KeyFunctionCode encodeKeyFunction(std::uint8_t functionIndex, const KeyBlock& block,
                                  const ButtonBytes& dpiSwitchParam, std::size_t button);

// Matrices 1..4 as Apply sends them: 1 from key mode A, 3 from key mode B,
// 2 and 4 all zero.
KeyMatrices buildKeyMatrices(const SettingsBlock& settings);

} // namespace pelmora
