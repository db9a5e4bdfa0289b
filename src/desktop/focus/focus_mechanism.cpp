#include "desktop/focus/focus_mechanism.h"

#include "base/environment.h"
#include "desktop/focus/wlroots_focus_source.h"
#include "desktop/focus/x11_focus_source.h"

#include <array>
#include <utility>

namespace pelmora {

namespace {

struct MechanismName {
    FocusMechanism mechanism;
    std::string_view name;
};
constexpr std::array kMechanismNames{
    MechanismName{FocusMechanism::X11, "X11 (_NET_ACTIVE_WINDOW)"},
    MechanismName{FocusMechanism::KWinScript, "KWin script"},
    MechanismName{FocusMechanism::GnomeExtension, "GNOME Shell extension"},
    MechanismName{FocusMechanism::Wlroots, "wlroots toplevel list"},
    MechanismName{FocusMechanism::None, "none"},
};

// $XDG_CURRENT_DESKTOP is a ':'-separated list ("ubuntu:GNOME").
bool desktopIs(const FocusSession& session, std::string_view name) {
    std::string_view list = session.currentDesktop;
    while (!list.empty()) {
        const std::size_t end = list.find(':');
        if (list.substr(0, end) == name) {
            return true;
        }
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    }
    return false;
}

} // namespace

FocusSession FocusSession::fromEnvironment() {
    return {environmentValue("XDG_SESSION_TYPE"), environmentValue("DISPLAY"),
            environmentValue("WAYLAND_DISPLAY"), environmentValue("XDG_CURRENT_DESKTOP")};
}

FocusMechanism focusMechanismOf(const FocusSession& session, bool wlrootsOffered) {
    if (session.wayland()) {
        if (desktopIs(session, "KDE")) {
            return FocusMechanism::KWinScript;
        }
        if (desktopIs(session, "GNOME")) {
            return FocusMechanism::GnomeExtension;
        }
        return wlrootsOffered ? FocusMechanism::Wlroots : FocusMechanism::None;
    }
    return session.display.empty() ? FocusMechanism::None : FocusMechanism::X11;
}

std::string_view focusMechanismName(FocusMechanism mechanism) {
    for (const auto& [each, name] : kMechanismNames) {
        if (each == mechanism) {
            return name;
        }
    }
    return {};
}

OpenedFocus openFocus(const FocusSession& session) {
    OpenedFocus opened;
    const FocusMechanism expected = focusMechanismOf(session, true);
    if (expected == FocusMechanism::Wlroots) {
        opened.source = openWlrootsFocusSource(opened.problem);
    } else if (expected == FocusMechanism::X11) {
        opened.source = openX11FocusSource(opened.problem);
    }
    const bool direct = expected == FocusMechanism::Wlroots || expected == FocusMechanism::X11;
    opened.mechanism = direct && !opened.source ? FocusMechanism::None : expected;
    // A Wayland compositor with nothing better: its XWayland windows, where
    // it keeps _NET_ACTIVE_WINDOW for them.
    if (opened.mechanism == FocusMechanism::None && session.wayland() && !session.display.empty()) {
        std::string problem;
        if ((opened.source = openX11FocusSource(problem))) {
            opened.mechanism = FocusMechanism::X11;
        }
    }
    return opened;
}

} // namespace pelmora
