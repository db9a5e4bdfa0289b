#pragma once
// Lookups from names and list positions to the codes the mouse understands.
// No lookup fails: anything outside a table gives 0.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pelmora {

// Button codes: b2 of a mouse-button entry, or the key of a fire key or macro.
inline constexpr std::uint8_t kLeftButtonCode = 0xF0;
inline constexpr std::uint8_t kRightButtonCode = 0xF1;
inline constexpr std::uint8_t kMiddleButtonCode = 0xF2;
inline constexpr std::uint8_t kBackwardButtonCode = 0xF3; // button 4
inline constexpr std::uint8_t kForwardButtonCode = 0xF4;  // button 5
inline constexpr std::uint8_t kTiltLeftCode = 0xF5;
inline constexpr std::uint8_t kTiltRightCode = 0xF6;
inline constexpr std::uint8_t kFixedSlot14Code = 0xF7; // always in matrix slot 14
inline constexpr std::uint8_t kFixedSlot15Code = 0xF8; // always in matrix slot 15

// One row of the key-name table: a key's English name and its keyboard usage
// (page 0x07) or button code.
struct KeyNameEntry {
    std::string_view name;
    std::uint8_t code;
};
inline constexpr std::size_t kKeyNameCount = 107;

// One modifier name and its bit in the boot keyboard's modifier byte.
struct ModifierEntry {
    std::string_view name;
    std::uint8_t bit;
};
inline constexpr std::size_t kModifierCount = 8;

// The whole key-name table, in code order.
std::span<const KeyNameEntry> keyNameTable();
// The modifier names, lowest bit first.
std::span<const ModifierEntry> modifierTable();

// Key-name table: English key names ("A", "Num Enter", "Left Windows", "L-Button", ...)
// to keyboard usage or button code; exact, case-sensitive match.
std::uint8_t keyCodeFromName(std::string_view name);
// The name of a code in the key-name table; empty for a code without a name.
std::string_view keyNameFromCode(std::uint8_t code);
// Modifier names ("Left Ctrl" .. "Right Win") to their bit; exact match.
std::uint8_t modifierBitFromName(std::string_view name);
// The name of a single modifier bit; empty for 0 or several bits.
std::string_view modifierNameFromBit(std::uint8_t bit);
// Fire-key list position (0..60) to its key or button code.
std::uint8_t fireKeyCode(std::size_t position);
// Multimedia list position (0..6) to its consumer usage.
std::uint8_t mediaUsage(std::size_t position);
// Launch list position (0..10) to the low and high byte of its consumer usage.
std::uint8_t launchUsageLow(std::size_t position);
std::uint8_t launchUsageHigh(std::size_t position);
// DPI switch list position (0..2) to its action 1..3.
std::uint8_t dpiSwitchAction(std::size_t position);

} // namespace pelmora
