#pragma once
// The Wayland compositor's shortcuts inhibitor (keyboard-shortcuts-inhibit,
// unstable v1) for the key dialogs and the macro recorder. Qt 6.4 has no API
// for it: the wl_display, the seat and a window's wl_surface come from Qt's
// platform native interface.

#include "ui/keys/shortcut_inhibitor.h"

#include <memory>

struct wl_display;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;

namespace pelmora {

class WaylandShortcutInhibitor final : public ShortcutInhibitor {
public:
    // Null unless the program runs on Wayland and the compositor offers the
    // protocol.
    static std::unique_ptr<WaylandShortcutInhibitor> create();
    ~WaylandShortcutInhibitor() override;

    std::unique_ptr<ShortcutInhibition> inhibit(QWindow& window,
                                                std::function<void(bool)> answer) override;

    WaylandShortcutInhibitor(wl_display* display, wl_seat* seat,
                             zwp_keyboard_shortcuts_inhibit_manager_v1* manager)
        : display_(display), seat_(seat), manager_(manager) {}

private:
    wl_display* display_;
    wl_seat* seat_;
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager_;
};

} // namespace pelmora
