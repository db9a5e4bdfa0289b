#pragma once
// The sixteen button functions and how each becomes a key function code.

#include "keys/key_matrix.h"
#include "settings/settings_block.h"

#include <cstddef>
#include <cstdint>

namespace pelmora {

inline constexpr std::size_t kKeyFunctionCount = 16;

// The functions in the order of the key page's list; the value is the key
// function index stored per button.
enum class KeyFunction : std::uint8_t {
    LeftClick = 0,
    RightClick = 1,
    MidClick = 2,
    Forward = 3,
    Backward = 4,
    TripleClick = 5,
    DpiSwitch = 6,
    RgbOnOff = 7,
    Launch = 8, // "Windows"
    Multimedia = 9,
    FireKey = 10,
    SingleKey = 11,
    ComboKey = 12,
    MacroKey = 13,
    Shift = 14, // the mouse's key-mode switch
    KeyOff = 15,
};

constexpr std::uint8_t functionIndex(KeyFunction function) {
    return static_cast<std::uint8_t>(function);
}

// Entry types (b0 of a key function code).
inline constexpr std::uint8_t kKeyboardEntry = 0x00;
inline constexpr std::uint8_t kMouseButtonEntry = 0x01;
inline constexpr std::uint8_t kConsumerEntry = 0x03;
inline constexpr std::uint8_t kDpiSwitchEntry = 0x07;
inline constexpr std::uint8_t kModeSwitchEntry = 0x08;
inline constexpr std::uint8_t kMacroEntry = 0x09;
inline constexpr std::uint8_t kFireKeyEntry = 0x0A;

// Matrix slots 14 and 15 hold these in matrices 1 and 3, whatever the settings.
inline constexpr std::size_t kFixedSlot14 = 14;
inline constexpr std::size_t kFixedSlot15 = 15;

// The matrix slot of button b: buttons 3 and 4 trade places, so slot 3 holds
// the button whose default is "Backward" and slot 4 the "Forward" one.
constexpr std::size_t matrixSlotOfButton(std::size_t button) {
    return button == 3 ? 4 : button == 4 ? 3 : button;
}

// The code of one button's function; indexes 16 and above, and buttons
// outside 0..7, give the empty entry.
KeyFunctionCode encodeKeyFunction(std::uint8_t functionIndex, const KeyBlock& block,
                                  const ButtonBytes& dpiSwitchParam, std::size_t button);

// Matrices 1..4 as Apply sends them: 1 from key mode A, 3 from key mode B,
// 2 and 4 all zero.
KeyMatrices buildKeyMatrices(const SettingsBlock& settings);

} // namespace pelmora
