#pragma once
// What the dialog shows for an event the mouse reported (or for the warning
// that the mouse was not detected): a balloon, or nothing.

#include "app/shell_texts.h"
#include "app/tray_port.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace pelmora {

inline constexpr int kNotDetectedEvent = 15;

struct Balloon {
    QString title;
    QString text;
    BalloonIcon icon;
    int milliseconds;
};

// `dpiValueText` gives the DPI value text of a level (0-based) for the
// mouse's sensor type; `dpiLevel` the level of each of the four stages.
std::optional<Balloon> balloonForEvent(int type, int value, const ShellTexts& texts,
                                       const std::function<std::string(int stage)>& dpiText);

} // namespace pelmora
