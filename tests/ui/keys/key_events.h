#pragma once
// Key events as X11 and Wayland deliver them: with the key's native scan code
// (the evdev code + 8, the X key code), sent to a widget.

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace pelmora::test {

// X key codes of a PC keyboard.
inline constexpr quint32 kXEsc = 9;
inline constexpr quint32 kXTab = 23;
inline constexpr quint32 kXEnter = 36;
inline constexpr quint32 kXLeftCtrl = 37;
inline constexpr quint32 kXA = 38;
inline constexpr quint32 kXGrave = 49;
inline constexpr quint32 kXLeftShift = 50;
inline constexpr quint32 kXF1 = 67;
inline constexpr quint32 kXKeypad1 = 87;
inline constexpr quint32 kXKeypadEnter = 104;
inline constexpr quint32 kXRightCtrl = 105;
inline constexpr quint32 kXRightAlt = 108;
inline constexpr quint32 kXLeftWindows = 133;

inline void sendKey(QWidget* target, QEvent::Type type, quint32 xKeycode, int qtKey,
                    const QString& text = {}) {
    QKeyEvent event(type, qtKey, Qt::NoModifier, xKeycode, 0, 0, text);
    QApplication::sendEvent(target, &event);
}

// A press and its release.
inline void tapKey(QWidget* target, quint32 xKeycode, int qtKey, const QString& text = {}) {
    sendKey(target, QEvent::KeyPress, xKeycode, qtKey, text);
    sendKey(target, QEvent::KeyRelease, xKeycode, qtKey, text);
}

} // namespace pelmora::test
