#pragma once
// The focused application of a wlroots compositor (sway, Hyprland, labwc,
// river): its foreign toplevel list (zwlr_foreign_toplevel_manager_v1), on a
// Wayland connection of its own. The toplevel with the "activated" state is
// the focused one; its app id names it. The protocol gives no process id.

#include "desktop/focus/focus_source.h"

#include <memory>
#include <string>

namespace pelmora {

// Null with `error` when there is no Wayland display or it does not offer
// the protocol (GNOME and Plasma do not).
std::unique_ptr<FocusSource> openWlrootsFocusSource(std::string& error);

} // namespace pelmora
