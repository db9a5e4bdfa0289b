#pragma once
// The DPI tables of the mouse's sensor types: the code each level index is
// sent as (command 0x11) and the DPI value it stands for (shown beside the
// level cells and in the DPI-change balloon).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pelmora {

inline constexpr std::size_t kSensorTypeCount = 4;

// The code table of a sensor type; empty for a type above 3.
std::span<const std::uint8_t> dpiCodeTable(std::uint8_t sensorType);
// The value texts of a sensor type in level order; empty for a type above 3.
std::span<const std::string_view> dpiValueTable(std::uint8_t sensorType);

// The code of a level: 0 for an unknown sensor type; a level beyond the
// table gives the code of the sensor's highest level (for type 0 its twelfth
// code, not the table's 0x00 padding).
std::uint8_t dpiCode(std::uint8_t sensorType, std::size_t level);

// The DPI value text of a level; empty for an unknown type or a level at or
// beyond the table's length.
std::string_view dpiValueText(std::uint8_t sensorType, std::size_t level);

// Levels the DPI controls offer for a sensor type (the value table's length).
std::size_t dpiLevelCount(std::uint8_t sensorType);

} // namespace pelmora
