#pragma once
// What the doctor asks the desktop: D-Bus names on the session bus (through
// GDBus, on a private connection that starts nothing), the XEmbed tray
// manager of an X display (libxcb), and logind's view of this session on the
// system bus. Each answer is empty when the one to ask cannot be reached.

#include "doctor/mouse_checks.h"

#include <optional>
#include <string>

namespace pelmora {

// Whether `name` has an owner on the bus at `address`, or can be started
// there; empty with `error` when the bus cannot be reached.
std::optional<bool> busNameAvailable(const std::string& address, const char* name,
                                     std::string& error);

// The running notification service's own name, version and vendor
// ("mako 1.7.1 (emersion)"); empty when none runs (one the bus would start
// is not started for the question).
std::string notificationServer(const std::string& address);

// Whether a tray manager owns _NET_SYSTEM_TRAY_S<screen> on `display`;
// empty with `error` when the display cannot be opened.
std::optional<bool> xembedTrayPresent(const std::string& display, std::string& error);

// logind's session of this process (on the system bus).
SeatSession logindSession();

} // namespace pelmora
