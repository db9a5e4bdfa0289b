#pragma once
// The window's side of the programs' one log (base/log.h): Qt logging
// categories "pelmora.device", "pelmora.desktop", "pelmora.files",
// "pelmora.bus" and "pelmora.window", warnings on by default. The core's
// lines go into them; QT_LOGGING_RULES ("pelmora.device.debug=true") or
// PELMORA_LOG ("device=debug") turn more on.

namespace pelmora {

// Forwards the core's lines and applies PELMORA_LOG; before any thread starts.
void installAppLog();

} // namespace pelmora
