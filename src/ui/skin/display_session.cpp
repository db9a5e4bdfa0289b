#include "ui/skin/display_session.h"

#include "base/environment.h"

#include <QGuiApplication>

namespace pelmora {

DisplaySession displaySession() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        return DisplaySession::Wayland;
    }
    if (platform != QLatin1String("xcb")) {
        return DisplaySession::Offscreen;
    }
    const bool waylandSession = !environmentValue("WAYLAND_DISPLAY").empty() ||
                                environmentValue("XDG_SESSION_TYPE") == "wayland";
    return waylandSession ? DisplaySession::XWayland : DisplaySession::X11;
}

} // namespace pelmora
