#pragma once
// How this session tells the program which application has the focus, and
// the source that asks it directly where the program can (X11, wlroots).

#include "desktop/focus/focus_source.h"

#include <memory>
#include <string>
#include <string_view>

namespace pelmora {

enum class FocusMechanism {
    X11,            // _NET_ACTIVE_WINDOW of the X display
    KWinScript,     // Plasma on Wayland: a KWin script calls WindowFocused
    GnomeExtension, // GNOME on Wayland: the Shell extension calls WindowFocused
    Wlroots,        // the compositor's foreign toplevel list
    None,
};

struct FocusSession {
    std::string sessionType;    // $XDG_SESSION_TYPE
    std::string display;        // $DISPLAY
    std::string waylandDisplay; // $WAYLAND_DISPLAY
    std::string currentDesktop; // $XDG_CURRENT_DESKTOP

    static FocusSession fromEnvironment();
    bool wayland() const { return !waylandDisplay.empty() || sessionType == "wayland"; }
};

// The mechanism of `session`; `wlrootsOffered` tells whether a Wayland
// compositor that is neither Plasma nor GNOME offers the toplevel list.
FocusMechanism focusMechanismOf(const FocusSession& session, bool wlrootsOffered);
// "X11 (_NET_ACTIVE_WINDOW)", "KWin script", ...
std::string_view focusMechanismName(FocusMechanism mechanism);

struct OpenedFocus {
    FocusMechanism mechanism = FocusMechanism::None;
    std::unique_ptr<FocusSource> source; // null for the mechanisms that push over the bus
    std::string problem;                 // why a direct source could not be opened
};
// Opens what this session offers; on a Wayland compositor that offers
// nothing, the X11 windows of its XWayland.
OpenedFocus openFocus(const FocusSession& session);

} // namespace pelmora
