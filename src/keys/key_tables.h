#pragma once
// Lookups from names and list positions to the codes the mouse understands.
// No lookup fails: anything outside a table gives 0.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pelmora {

// Key-name table: English key names ("A", "Num Enter", "Left Windows", "L-Button", ...)
// to keyboard usage or button code; exact, case-sensitive match.
std::uint8_t keyCodeFromName(std::string_view name);
// Modifier names ("Left Ctrl" .. "Right Win") to their bit; exact match.
std::uint8_t modifierBitFromName(std::string_view name);
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
