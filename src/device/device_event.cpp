#include "device/device_event.h"

#include "settings/dpi_tables.h"

#include <algorithm>
#include <string>

namespace pelmora {

namespace {

constexpr int kInfoTimeMs = 5000;
constexpr int kWarningTimeMs = 100;

template <typename Table> std::optional<TextId> lookup(const Table& table, std::uint8_t value) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [value](const auto& row) { return row.value == value; });
    return it == table.end() ? std::nullopt : std::optional(it->text);
}

Balloon info(BalloonKind kind, std::uint8_t value, std::string text) {
    return {kind, value, {}, std::move(text), std::string(kInfoCaption), kInfoTimeMs};
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
                                       const SettingsBlock& settings, std::uint8_t activeSensorType,
                                       Language language) {
    auto textOf = [language](TextId id) { return std::string(text(id, language)); };
    switch (type) {
    case kReportRateEvent:
        if (auto id = lookup(kReportRateBalloonTexts, value)) {
            return info(BalloonKind::ReportRate, value, textOf(*id));
        }
        return std::nullopt;
    case kDpiStageEvent:
        if (value >= 1 && value <= kDpiStageBalloonTexts.size()) {
            Balloon balloon =
                info(BalloonKind::DpiStage, value, textOf(kDpiStageBalloonTexts[value - 1u]));
            balloon.dpiValue =
                std::string(dpiValueText(activeSensorType, settings.dpiLevel[value - 1u]));
            balloon.text += balloon.dpiValue;
            return balloon;
        }
        return std::nullopt;
    case kKeyMatrixEvent:
        // The mouse reports two key matrices.
        if (value == 1 || value == 2) {
            return info(BalloonKind::KeyMatrix, value, textOf(kKeyMatrixBalloonTexts[value - 1u]));
        }
        return std::nullopt;
    case kMacroKeyEvent:
        if (value != 0) {
            return info(BalloonKind::MacroKey, value,
                        textOf(TextId::SwitchedToMacroKey) + std::to_string(value));
        }
        return std::nullopt;
    case kMouseNotDetected:
        return Balloon{
            BalloonKind::MouseNotDetected, value,         {}, textOf(TextId::MouseNotDetected),
            std::string(kWarningCaption),  kWarningTimeMs};
    default:
        return std::nullopt;
    }
}

} // namespace pelmora
