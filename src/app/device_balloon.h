#pragma once
// What the dialog shows for an event the mouse reported (or for the warning
// that the mouse was not detected): a balloon in the active language, or nothing.

#include "app/tray_port.h"
#include "device/device_event.h"
#include "settings/interface_texts.h"
#include "settings/settings_block.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace pelmora {

inline constexpr int kNotDetectedEvent = kMouseNotDetected;

struct TrayBalloon {
    QString title;
    QString text;
    BalloonIcon icon;
    int milliseconds;
    BalloonKind kind = BalloonKind::ReportRate;
    unsigned value = 0; // the stage, rate, matrix or macro reported
    unsigned dpi = 0;   // DpiStage: the stage's DPI
};

// The balloon of an event (see balloonForEvent) as the tray shows it.
std::optional<TrayBalloon> trayBalloonFor(int type, int value, const SettingsBlock& settings,
                                          std::uint8_t activeSensorType, Language language);

// A row of the text table as a QString.
QString uiText(TextId id, Language language);

} // namespace pelmora
