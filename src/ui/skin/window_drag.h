#pragma once
// Moving a frameless window by an empty spot. A press there only arms the
// move; the window follows the pointer once the pointer has moved by the
// desktop's drag distance with the button still held. A plain click never
// starts a move: a move started on a click that had already ended left the
// window stuck to the pointer under some window managers.

#include <QPoint>

#include <optional>

class QWidget;

namespace pelmora {

class WindowDrag {
public:
    // A left press on an empty spot, in global coordinates.
    void arm(const QPoint& globalPos) { pressedAt_ = globalPos; }
    // The button was released (or the press went elsewhere).
    void disarm() { pressedAt_.reset(); }
    // A pointer move: starts moving `window` when the press is held and the
    // pointer has gone far enough. True when the move started.
    bool mouseMoved(QWidget& window, const QPoint& globalPos, bool leftButtonHeld);

private:
    std::optional<QPoint> pressedAt_;
};

} // namespace pelmora
