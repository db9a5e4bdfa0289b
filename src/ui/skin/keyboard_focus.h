#pragma once
// The keyboard for a skinned window. Tab and Shift+Tab move a focus indicator
// through the window's controls in reading order (it shows from the first
// Tab on, drawn in the interface text colour); Space presses, toggles or opens
// the focused control (a text field types it); the arrow keys move along a
// focused slider. While a list is open, the arrows move its selection (Right
// and Left go into and out of the list beside it), Enter chooses and Escape
// closes it; only then do Enter and Escape not reach the window. Ctrl+Tab and
// Ctrl+PageDown/PageUp switch pages. No key is taken while the window
// captures keys.

#include "ui/skin/skin_controls.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;

namespace pelmora {

// The indicator: a frame around the focused control, above every child.
class FocusRing final : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(SkinControls& controls);
    void follow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SkinControls& controls_;
};

class KeyboardNavigator final : public QObject {
    Q_OBJECT
public:
    explicit KeyboardNavigator(SkinControls& controls);
    ~KeyboardNavigator() override;

    // A key-down of the window or one of its controls; true when it was used.
    bool keyPressed(const QKeyEvent& key);
    // The controls may have moved or gone: the indicator follows.
    void controlsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveFocus(int delta);
    bool listKey(const QKeyEvent& key);
    std::optional<SkinControl> current() const;

    SkinControls& controls_;
    QPointer<FocusRing> ring_;
    bool filtering_ = false;
    bool inSideList_ = false;
};

} // namespace pelmora
