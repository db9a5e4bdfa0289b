#pragma once
// The window's side of the programs' one log (base/log.h): Qt logging
// categories "pelmora.device", "pelmora.desktop", "pelmora.files",
// "pelmora.bus" and "pelmora.window", warnings on by default. The core's
// lines go into them; QT_LOGGING_RULES ("pelmora.device.debug=true") or
// PELMORA_LOG ("device=debug") turn more on.

#include <QLoggingCategory>

namespace pelmora {

Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
Q_DECLARE_LOGGING_CATEGORY(lcBus)
Q_DECLARE_LOGGING_CATEGORY(lcWindow)

// Forwards the core's lines and applies PELMORA_LOG; before any thread starts.
void installAppLog();

} // namespace pelmora
