#include "settings/dpi_tables.h"

#include <array>

namespace pelmora {

namespace {

constexpr std::array<std::uint8_t, 16> kCodes0{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
                                               0x25, 0x26, 0x27, 0x28, 0x00, 0x00, 0x00, 0x00};
constexpr std::array<std::uint8_t, 8> kCodes1{0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25};
constexpr std::array<std::uint8_t, 8> kCodes2{0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A};
constexpr std::array<std::uint8_t, 8> kCodes3{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};

constexpr std::array<std::span<const std::uint8_t>, kSensorTypeCount> kCodeTables{kCodes0, kCodes1,
                                                                                  kCodes2, kCodes3};

using namespace std::string_view_literals;
constexpr std::array kValues0{"250"sv,  "500"sv,  "750"sv,  "1000"sv, "1250"sv, "1500"sv,
                              "1750"sv, "2000"sv, "2500"sv, "3000"sv, "3500"sv, "4000"sv};
constexpr std::array kValues1{"600"sv,  "800"sv,  "1000"sv, "1200"sv,
                              "1600"sv, "2000"sv, "2400"sv, "3200"sv};
constexpr std::array kValues2{"250"sv,  "500"sv,  "750"sv,  "1000"sv,
                              "1250"sv, "1500"sv, "2000"sv, "2500"sv};
constexpr std::array kValues3{"400"sv,  "800"sv,  "1200"sv, "1600"sv,
                              "2000"sv, "2400"sv, "2800"sv, "3200"sv};

constexpr std::array<std::span<const std::string_view>, kSensorTypeCount> kValueTables{
    kValues0, kValues1, kValues2, kValues3};

} // namespace

std::span<const std::uint8_t> dpiCodeTable(std::uint8_t sensorType) {
    return sensorType < kSensorTypeCount ? kCodeTables[sensorType]
                                         : std::span<const std::uint8_t>{};
}

std::span<const std::string_view> dpiValueTable(std::uint8_t sensorType) {
    return sensorType < kSensorTypeCount ? kValueTables[sensorType]
                                         : std::span<const std::string_view>{};
}

std::uint8_t dpiCode(std::uint8_t sensorType, std::size_t level) {
    const auto table = dpiCodeTable(sensorType);
    if (table.empty()) {
        return 0;
    }
    // A level beyond the table takes the code of the sensor's highest level;
    // type 0's table is padded with 0x00 past its twelve levels, and that
    // padding is no DPI code to fall back on.
    return level < table.size() ? table[level] : table[dpiLevelCount(sensorType) - 1];
}

std::string_view dpiValueText(std::uint8_t sensorType, std::size_t level) {
    const auto table = dpiValueTable(sensorType);
    return level < table.size() ? table[level] : std::string_view{};
}

std::size_t dpiLevelCount(std::uint8_t sensorType) {
    return dpiValueTable(sensorType).size();
}

} // namespace pelmora
