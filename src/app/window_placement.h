#pragma once
// Where the main window goes when it is shown and what hiding it means. On
// X11 it comes back where it was hidden (centred the first time) and,
// without a notification area, is iconified rather than hidden, which a
// window manager honours. A Wayland client can neither place its window nor
// know whether the compositor honoured a minimise request (sway does not):
// there the compositor places the window and hiding unmaps it.

#include <QPoint>

#include <optional>

class QWidget;

namespace pelmora {

class WindowPlacement {
public:
    explicit WindowPlacement(QWidget& window) : window_(window) {}

    // Hides the window into the tray, or, without one, where the user can
    // get it back (the task bar on X11; a second launch on Wayland).
    void hide(bool trayAvailable);
    // The tray went away while the window was hidden: shows it where the
    // user can reach it.
    void showWithoutTray();
    // Before the window is shown (not for the window system's own showings).
    void placeForShowing();
    // The window was hidden by the program: its position is kept.
    void hidden();

private:
    QWidget& window_;
    // Empty before the first showing, which centres the window.
    std::optional<QPoint> lastPosition_;
};

} // namespace pelmora
