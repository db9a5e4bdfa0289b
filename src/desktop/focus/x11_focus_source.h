#pragma once
// The focused application of an X11 display: the window manager's
// _NET_ACTIVE_WINDOW on the root window (watched for PropertyNotify), and of
// that window WM_CLASS, _NET_WM_PID and _NET_WM_NAME. Under XWayland only
// the X11 windows are seen, and only where the compositor keeps
// _NET_ACTIVE_WINDOW.

#include "desktop/focus/focus_source.h"

#include <memory>
#include <string>

namespace pelmora {

// Null with `error` when the display cannot be opened or its window manager
// does not keep _NET_ACTIVE_WINDOW.
std::unique_ptr<FocusSource> openX11FocusSource(std::string& error);

} // namespace pelmora
