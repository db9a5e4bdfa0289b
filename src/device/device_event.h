#pragma once
// Events the mouse reports on its listener collection, and the balloon each
// one is announced with.

#include "settings/interface_texts.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pelmora {

enum DeviceEventType : std::uint8_t {
    kReportRateEvent = 5,   // value 1, 2, 4, 8: 1000, 500, 250, 125 Hz
    kDpiStageEvent = 7,     // value 1..4: the stage
    kKeyMatrixEvent = 8,    // value 1, 2
    kMacroKeyEvent = 9,     // value: the macro number
    kMouseNotDetected = 15, // raised by the program itself when the mouse is gone
};

inline constexpr std::uint8_t kListenerEventReportId = 6;

struct DeviceEvent {
    std::uint8_t type = 0;
    std::uint8_t value = 0;
    bool operator==(const DeviceEvent&) const = default;
};

// Report ID 6 with type 5, 7, 8 or 9 in byte 1 and the value in byte 3;
// anything else (and a report too short to hold them) is no event.
std::optional<DeviceEvent> decodeListenerReport(std::span<const std::uint8_t> report);

enum class BalloonKind { ReportRate, DpiStage, KeyMatrix, MacroKey, MouseNotDetected };

// Which balloon to show, with its texts in the given language.
struct Balloon {
    BalloonKind kind = BalloonKind::ReportRate;
    std::uint8_t value = 0;
    std::string dpiValue; // DpiStage only: the DPI value text of that stage
    std::string text;
    std::string title; // "Info" or "Warning"
    int timeMs = 0;
};

// The balloon of an event, or none for an unknown type or value. The DPI
// value comes from the stage's dpiLevel in the table of activeSensorType.
std::optional<Balloon> balloonForEvent(std::uint8_t type, std::uint8_t value,
                                       const SettingsBlock& settings, std::uint8_t activeSensorType,
                                       Language language = Language::English);

} // namespace pelmora
