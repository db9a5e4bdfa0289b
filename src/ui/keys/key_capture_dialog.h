#pragma once
// The shape of the two dialogs that capture keys from the keyboard: every key
// press and every key release that reaches the dialog or one of its controls
// is named by its physical key and handed to the dialog, and no key acts on
// the dialog itself: Enter and Escape do not end it, Tab moves no focus, F1
// opens no help, the Windows-logo keys are captured like any other key.
// On X11 the dialog grabs the keyboard while it is shown, so keys the window
// manager would take (Super, Alt+Tab) reach it as well; when the grab is
// refused (another program holds the keyboard), capture still works for the
// keys the dialog is given.

#include "ui/skin/skinned_dialog.h"

class QKeyEvent;

namespace pelmora {

class KeyCaptureDialog : public CSkinnedDialog {
    Q_OBJECT
public:
    using CSkinnedDialog::CSkinnedDialog;
    ~KeyCaptureDialog() override;

    // Whether the keyboard was grabbed for the dialog (X11 only).
    bool keyboardGrabbed() const { return grabbed_; }

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

    bool filtering_ = false;
    bool grabbed_ = false;
};

} // namespace pelmora
