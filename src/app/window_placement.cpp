#include "app/window_placement.h"

#include "ui/skin/display_session.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace pelmora {

namespace {
bool onWayland() {
    return displaySession() == DisplaySession::Wayland;
}
} // namespace

void WindowPlacement::hide(bool trayAvailable) {
    if (trayAvailable || onWayland()) {
        window_.hide();
    } else {
        window_.showMinimized();
    }
}

void WindowPlacement::showWithoutTray() {
    if (onWayland()) {
        window_.show();
    } else {
        window_.showMinimized();
    }
}

void WindowPlacement::placeForShowing() {
    // An explicit position also tells the window manager not to place the
    // window anew at every showing.
    if (onWayland()) {
        return;
    }
    if (!lastPosition_) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
        lastPosition_ = QPoint(area.x() + std::max(0, (area.width() - window_.width()) / 2),
                               area.y() + std::max(0, (area.height() - window_.height()) / 2));
    }
    window_.move(*lastPosition_);
}

void WindowPlacement::hidden() {
    lastPosition_ = window_.pos();
}

} // namespace pelmora
