#include "keys/number_fields.h"

#include "base/decimal_text.h"

#include <algorithm>
#include <climits>

namespace pelmora {

int decimalValue(std::string_view text) {
    return static_cast<int>(std::clamp<long long>(leadingInteger(text), INT_MIN, INT_MAX));
}

CheckedField checkedFireSpeed(std::string_view text) {
    const long long value = leadingInteger(text);
    if (value < kFastestFireSpeed || value > 255) {
        return {kFastestFireSpeed, true};
    }
    return {static_cast<std::uint8_t>(value), false};
}

CheckedField checkedFireTimes(std::string_view text) {
    const long long value = leadingInteger(text);
    if (value < 0 || value > 255) {
        return {kFallbackFireTimes, true};
    }
    return {static_cast<std::uint8_t>(value), false};
}

} // namespace pelmora
