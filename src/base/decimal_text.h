#pragma once
// Numbers typed into fields and kept in INI files are read the way the C
// library's atoi reads them: leading blanks, an optional sign, the digits up
// to the first other character. Text without digits reads as 0.

#include <cstdint>
#include <limits>
#include <string_view>

namespace pelmora {

// The leading decimal integer of `text`; saturates instead of overflowing.
constexpr long long leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kLimit) {
            value = value * 10 + (text[i] - '0');
        }
    }
    return negative ? -value : value;
}

} // namespace pelmora
