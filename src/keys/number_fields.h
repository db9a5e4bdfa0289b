#pragma once
// The number fields of the key dialogs: what a typed text means, and the
// value a fire-key field falls back to when the text is out of range.

#include <cstdint>
#include <string_view>

namespace pelmora {

// A field's text read as atoi reads it (leadingInteger), limited to the int
// range instead of wrapping around.
int decimalValue(std::string_view text);

// A fire-key field after its check: the value to keep, and whether the
// field's text must be replaced by it.
struct CheckedField {
    std::uint8_t value;
    bool replaced;
};

inline constexpr std::uint8_t kFastestFireSpeed = 5;
inline constexpr std::uint8_t kFallbackFireTimes = 1;

// Speed: 5..255 stays; anything else becomes 5 (smaller is faster).
CheckedField checkedFireSpeed(std::string_view text);
// Times: 0..255 stays (0 repeats until the button is released); anything
// else becomes 1.
CheckedField checkedFireTimes(std::string_view text);

} // namespace pelmora
