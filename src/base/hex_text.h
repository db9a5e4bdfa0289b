#pragma once
// Bytes as lower-case hex without separators, and back.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

std::string toHex(std::span<const std::uint8_t> bytes);
// Null when the text has an odd length or a character that is no hex digit.
std::optional<std::vector<std::uint8_t>> fromHex(std::string_view text);
// A USB id or HID usage as the tools print it: "0x04d9".
std::string hex4(unsigned value);

} // namespace pelmora
