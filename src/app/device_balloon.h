#pragma once
// What the dialog shows for an event the mouse reported (or for the warning
// that the mouse was not detected): a balloon in the active language, or nothing.

#include "app/tray_port.h"
#include "settings/interface_texts.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace pelmora {

inline constexpr int kNotDetectedEvent = 15;

struct TrayBalloon {
    QString title;
    QString text;
    BalloonIcon icon;
    int milliseconds;
};

// `dpiText` gives the DPI value text of a stage (0-based).
std::optional<TrayBalloon> trayBalloonFor(int type, int value, Language language,
                                          const std::function<std::string(int stage)>& dpiText);

// A row of the text table as a QString.
QString uiText(TextId id, Language language);

} // namespace pelmora
