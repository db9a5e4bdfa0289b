#include "ui/skin/window_drag.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace pelmora {

bool WindowDrag::mouseMoved(QWidget& window, const QPoint& globalPos, bool leftButtonHeld) {
    if (!pressedAt_) {
        return false;
    }
    if (!leftButtonHeld) {
        disarm();
        return false;
    }
    if ((globalPos - *pressedAt_).manhattanLength() <
        QGuiApplication::styleHints()->startDragDistance()) {
        return false;
    }
    disarm();
    if (QWindow* handle = window.windowHandle()) {
        handle->startSystemMove();
    }
    return true;
}

} // namespace pelmora
