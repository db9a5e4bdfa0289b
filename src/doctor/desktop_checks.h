#pragma once
// The doctor's checks of the desktop: the kind of session, the tray (a
// StatusNotifierWatcher on the session bus, or an XEmbed tray manager on the
// X display), the notification service, and the pointer settings the window
// would change.

#include "doctor/doctor_check.h"

#include <optional>
#include <string>
#include <vector>

namespace pelmora {

struct PointerSettingState {
    std::string name; // "pointer speed"
    bool present = false;
    bool writable = false;
};

struct DesktopFacts {
    std::string sessionType; // $XDG_SESSION_TYPE
    std::string display;     // $DISPLAY
    std::string waylandDisplay;
    std::string currentDesktop;        // $XDG_CURRENT_DESKTOP ("GNOME", "KDE", "sway")
    std::string busError;              // why the session bus cannot be reached
    std::optional<bool> watcher;       // StatusNotifierWatcher; empty: no bus
    std::optional<bool> notifications; // org.freedesktop.Notifications; empty: no bus
    std::string notificationServer;    // its name when it runs; empty: started on demand
    std::optional<bool> xembedTray;    // empty: no X display to ask
    std::string xembedError;
    std::string pointerBackend; // "GNOME", "KDE Plasma", "none"
    std::string pointerNote;    // why that one
    std::vector<PointerSettingState> pointerSettings;

    // Asks the running desktop.
    static DesktopFacts fromSession();
};

DoctorChecks desktopChecks(const DesktopFacts& facts);

} // namespace pelmora
