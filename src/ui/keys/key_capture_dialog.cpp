#include "ui/keys/key_capture_dialog.h"

#include "settings/capture_texts.h"
#include "ui/keys/key_event_name.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

namespace pelmora {

KeyCaptureDialog::~KeyCaptureDialog() {
    releaseKeys();
}

void KeyCaptureDialog::showEvent(QShowEvent* event) {
    startRun();
    CSkinnedDialog::showEvent(event);
    if (!filtering_) {
        // Key events of the dialog and of every control in it, also of the
        // lists it creates later, pass here before they reach the control.
        qApp->installEventFilter(this);
        filtering_ = true;
    }
    // The window is mapped only after this event; grab once it is.
    QTimer::singleShot(0, this, &KeyCaptureDialog::grabKeys);
}

void KeyCaptureDialog::hideEvent(QHideEvent* event) {
    releaseKeys();
    CSkinnedDialog::hideEvent(event);
}

bool KeyCaptureDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        grabKeys();
    }
    return CSkinnedDialog::event(event);
}

void KeyCaptureDialog::grabKeys() {
    // Without its picture the dialog captures nothing, so it takes nothing.
    QWindow* window = windowHandle();
    if (!isVisible() || !backgroundLoaded() || window == nullptr) {
        return;
    }
    hold_.take(*window);
}

void KeyCaptureDialog::showReach(KeyboardHold::Reach reach) {
    if (reach != KeyboardHold::Reach::OwnKeysOnly) {
        if (note_) {
            note_->hide();
        }
        return;
    }
    if (!note_) {
        const std::string_view text = desktopKeysNoteText(languageFromCode(skinState().language()));
        note_ =
            new QLabel(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), this);
        note_->setGeometry(toQRect(dialog_layout::kDesktopKeysNote));
        note_->setWordWrap(true);
        note_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        note_->setAttribute(Qt::WA_TransparentForMouseEvents);
        styleChild(*note_);
        // Drawn over the dialog's panel, in the grey of its other hints.
        note_->setStyleSheet(QStringLiteral("color: #c8c8c8; background: transparent;"));
    }
    note_->show();
}

void KeyCaptureDialog::releaseKeys() {
    if (filtering_) {
        qApp->removeEventFilter(this);
        filtering_ = false;
    }
    hold_.release();
}

bool KeyCaptureDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return CSkinnedDialog::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget))) {
        return CSkinnedDialog::eventFilter(watched, event);
    }
    // Accepting the shortcut check keeps every key a plain key event.
    event->accept();
    if (type != QEvent::ShortcutOverride && backgroundLoaded()) {
        keyCaptured(keyEventName(*static_cast<QKeyEvent*>(event)));
    }
    return true;
}

// Keys that reach the dialog another way (none should) do nothing either.
void KeyCaptureDialog::keyPressEvent(QKeyEvent* event) {
    event->accept();
}
void KeyCaptureDialog::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

bool KeyCaptureDialog::focusNextPrevChild(bool /*next*/) {
    return false;
}

} // namespace pelmora
