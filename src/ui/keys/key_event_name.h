#pragma once
// The name of the key of a key event, by the physical key: the native scan
// code of X11 and Wayland is the evdev code plus 8.

#include <QString>

class QKeyEvent;

namespace pelmora {

// The evdev code of a key event's physical key; -1 when the platform gives
// no scan code.
int evdevCodeOf(const QKeyEvent& event);

// The key-name table's name of the event's physical key ("Right Ctrl",
// "Num Enter", "Left Windows", ...). A key the table does not know is named
// as the desktop names it, so the user still sees which key it was; a key
// without any name gives an empty text.
QString keyEventName(const QKeyEvent& event);

} // namespace pelmora
