#include "device/device_event.h"

#include "settings/dpi_tables.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pelmora {

namespace {

constexpr int kInfoTimeMs = 5000;
constexpr int kWarningTimeMs = 100;
constexpr std::string_view kInfoTitle = "Info";
constexpr std::string_view kWarningTitle = "Warning";

struct ValueText {
    std::uint8_t value;
    std::string_view text;
};

constexpr std::array kReportRateTexts{
    ValueText{1, "Switch report rate into 1000HZ"},
    ValueText{2, "Switch report rate into 500HZ"},
    ValueText{4, "Switch report rate into 250HZ"},
    ValueText{8, "Switch report rate into 125HZ"},
};
constexpr std::array kDpiStageTexts{
    ValueText{1, "Switch DPI into the first stage "},
    ValueText{2, "Switch DPI into the second stage "},
    ValueText{3, "Switch DPI into the third stage "},
    ValueText{4, "Switch DPI into the fourth stage "},
};
constexpr std::array kKeyMatrixTexts{
    ValueText{1, "Switch to key matrix 1"},
    ValueText{2, "Switch to key matrix 2"},
};
constexpr std::string_view kMacroKeyText = "Switch to macro key";
constexpr std::string_view kNotDetectedText = "The system did not detect the gaming mouse!";

template <std::size_t N>
std::optional<std::string_view> lookup(const std::array<ValueText, N>& table, std::uint8_t value) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [value](const ValueText& row) { return row.value == value; });
    return it == table.end() ? std::nullopt : std::optional(it->text);
}

Balloon info(BalloonKind kind, std::uint8_t value, std::string text) {
    return {kind, value, {}, std::move(text), std::string(kInfoTitle), kInfoTimeMs};
}

} // namespace

std::optional<DeviceEvent> decodeListenerReport(std::span<const std::uint8_t> report) {
    if (report.size() < 4 || report[0] != kListenerEventReportId) {
        return std::nullopt;
    }
    switch (report[1]) {
    case kReportRateEvent:
    case kDpiStageEvent:
    case kKeyMatrixEvent:
    case kMacroKeyEvent:
        return DeviceEvent{report[1], report[3]};
    default:
        return std::nullopt;
    }
}

std::optional<Balloon> balloonForEvent(std::uint8_t type, std::uint8_t value,
                                       const SettingsBlock& settings,
                                       std::uint8_t activeSensorType) {
    switch (type) {
    case kReportRateEvent:
        if (auto text = lookup(kReportRateTexts, value)) {
            return info(BalloonKind::ReportRate, value, std::string(*text));
        }
        return std::nullopt;
    case kDpiStageEvent:
        if (auto text = lookup(kDpiStageTexts, value)) {
            Balloon balloon = info(BalloonKind::DpiStage, value, std::string(*text));
            balloon.dpiValue =
                std::string(dpiValueText(activeSensorType, settings.dpiLevel[value - 1u]));
            balloon.text += balloon.dpiValue;
            return balloon;
        }
        return std::nullopt;
    case kKeyMatrixEvent:
        if (auto text = lookup(kKeyMatrixTexts, value)) {
            return info(BalloonKind::KeyMatrix, value, std::string(*text));
        }
        return std::nullopt;
    case kMacroKeyEvent:
        if (value != 0) {
            return info(BalloonKind::MacroKey, value,
                        std::string(kMacroKeyText) + std::to_string(value));
        }
        return std::nullopt;
    case kMouseNotDetected:
        return Balloon{
            BalloonKind::MouseNotDetected, value,         {}, std::string(kNotDetectedText),
            std::string(kWarningTitle),    kWarningTimeMs};
    default:
        return std::nullopt;
    }
}

} // namespace pelmora
