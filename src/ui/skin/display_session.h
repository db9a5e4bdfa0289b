#pragma once
// Which display system the program's windows run on: the one place that
// decides it for placing windows, holding the keyboard and the tray.

namespace pelmora {

enum class DisplaySession {
    Wayland,   // a Wayland client (Qt's wayland platform)
    X11,       // an X11 client of an X server
    XWayland,  // an X11 client inside a Wayland session: the compositor sees keys first
    Offscreen, // no desktop (offscreen, minimal: tests and tools)
};

DisplaySession displaySession();
// X11 or XWayland: a client of an X server (keyboard grabs, XEmbed trays).
inline bool x11Client(DisplaySession session) {
    return session == DisplaySession::X11 || session == DisplaySession::XWayland;
}

} // namespace pelmora
