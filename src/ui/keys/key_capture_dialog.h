#pragma once
// The shape of the two dialogs that capture keys from the keyboard: every key
// press and every key release that reaches the dialog or one of its controls
// is named by its physical key and handed to the dialog, and no key acts on
// the dialog itself: Enter and Escape do not end it, Tab moves no focus, F1
// opens no help, the Windows-logo keys are captured like any other key.
// While it has the keyboard focus the dialog holds the keyboard (an X11 grab,
// the Wayland compositor's shortcuts inhibitor), so keys the desktop would
// take (Super, Alt+Tab) reach it as well; where the desktop keeps them (no
// inhibitor, the user declined, XWayland, another program holds the
// keyboard), the dialog says which keys may not be captured, and capture
// still works for the keys it is given.
// The way out without a mouse is a key held down: Enter held for a second is
// OK, Escape held for a second is Cancel. Held that long, the key is not
// captured; pressed for a shorter time it is, like any other.

#include "ui/keys/keyboard_hold.h"
#include "ui/skin/skinned_dialog.h"

#include <QPointer>
#include <QTimer>

#include <optional>

class QKeyEvent;

namespace pelmora {

class KeyCaptureDialog : public CSkinnedDialog {
    Q_OBJECT
public:
    using CSkinnedDialog::CSkinnedDialog;
    ~KeyCaptureDialog() override;

    // How long Enter or Escape is held to end the dialog.
    static constexpr int kHoldToEndMs = 1000;

    // Whether the keyboard was grabbed for the dialog (X11 only).
    bool keyboardGrabbed() const { return hold_.grabbed(); }
    // The note on keys the desktop may keep; null while it never showed.
    const QLabel* desktopKeysNote() const { return note_; }

protected:
    // A key was pressed or released (auto-repeat included); name as
    // keyEventName gives it. Only called when the dialog has its picture:
    // without it the dialog opens undecorated and captures nothing.
    virtual void keyCaptured(const QString& name) = 0;
    // The dialog is about to be shown: forget the results of an earlier run.
    virtual void startRun() {}

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool capturesKeys() const override { return true; }

private:
    void grabKeys();
    void releaseKeys();
    void showReach(KeyboardHold::Reach reach);
    // A key event for the dialog: an Enter or Escape press waits to see
    // whether it is held (input when let go in time, or when another key
    // comes first), every other event is input at once.
    void keyEvent(const QKeyEvent& key);
    void heldLongEnough();
    void flushHeld();

    struct HeldKey {
        int key;
        QString pressName;
    };
    std::optional<HeldKey> held_;
    QTimer holdTimer_;

    KeyboardHold hold_{[this](KeyboardHold::Reach reach) { showReach(reach); }};
    QPointer<QLabel> note_;
    bool filtering_ = false;
};

// "Hold Enter for a second for OK, Esc for Cancel." in the active language.
QString holdKeysHint();

} // namespace pelmora
