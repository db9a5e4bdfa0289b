#pragma once
// Key matrices: sixteen 32-bit key function codes each, b0 the least
// significant byte and the first on the wire. The mouse holds four.

#include <array>
#include <cstddef>
#include <cstdint>

namespace pelmora {

inline constexpr std::size_t kKeyMatrixSlots = 16;
inline constexpr std::size_t kKeyMatrixCount = 4;

using KeyFunctionCode = std::uint32_t;
using KeyMatrix = std::array<KeyFunctionCode, kKeyMatrixSlots>;
using KeyMatrices = std::array<KeyMatrix, kKeyMatrixCount>;

// The code from its four wire bytes, b0 first.
constexpr KeyFunctionCode keyCode(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                                  std::uint8_t b3) {
    return static_cast<KeyFunctionCode>(b0) | (static_cast<KeyFunctionCode>(b1) << 8) |
           (static_cast<KeyFunctionCode>(b2) << 16) | (static_cast<KeyFunctionCode>(b3) << 24);
}

// The 64 bytes of one matrix in wire order (entry k at 4k..4k+3, b0 first).
inline std::array<std::uint8_t, 64> matrixWireBytes(const KeyMatrix& matrix) {
    std::array<std::uint8_t, 64> out{};
    for (std::size_t k = 0; k < kKeyMatrixSlots; ++k) {
        for (std::size_t i = 0; i < 4; ++i) {
            out[4 * k + i] = static_cast<std::uint8_t>(matrix[k] >> (8 * i));
        }
    }
    return out;
}

} // namespace pelmora
