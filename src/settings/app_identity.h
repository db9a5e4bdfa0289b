#pragma once
// The names the desktop knows the program by.

#include "settings/message_sink.h"

namespace pelmora::identity {

// The X11 window class of every window (QApplication::applicationName, set
// before the first window); the desktop entry's StartupWMClass matches it.
inline constexpr const char* kWindowClass = "KandroGMClass";
// The desktop entry: the Wayland app id, the icon's name and the
// notifications' desktop-entry hint, by which GNOME and Plasma match windows
// and notifications to the menu entry.
inline constexpr const char* kDesktopEntry = "org.pelmora.Pelmora";
// The running copy's name and object on the session bus.
inline constexpr const char* kBusName = kDesktopEntry;
inline constexpr const char* kBusPath = "/org/pelmora/Pelmora";
// The name shown for the program: window lists, notifications, the tray
// item, the accessibility tree; the message boxes' caption.
inline constexpr const char* kDisplayName = kAppName.data();

} // namespace pelmora::identity
