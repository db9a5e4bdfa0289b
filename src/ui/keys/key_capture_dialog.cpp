#include "ui/keys/key_capture_dialog.h"

#include "settings/capture_texts.h"
#include "settings/dialog_texts.h"
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

namespace {

bool endsWhenHeld(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// The key that ended a dialog is still down: its repeats and its release
// would reach the window under the dialog, where Enter is OK. Eats them,
// then goes (at the latest after kLimitMs, should the release never come).
class HeldKeyEater final : public QObject {
public:
    explicit HeldKeyEater(int key) : QObject(qApp), key_(key) {
        qApp->installEventFilter(this);
        QTimer::singleShot(kLimitMs, this, [this] { deleteLater(); });
    }
    ~HeldKeyEater() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (released_ ||
            (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
             type != QEvent::ShortcutOverride) ||
            static_cast<QKeyEvent*>(event)->key() != key_) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyRelease && !key->isAutoRepeat()) {
            released_ = true;
            deleteLater();
        }
        event->accept();
        return true;
    }

private:
    static constexpr int kLimitMs = 10'000;
    int key_;
    bool released_ = false;
};

} // namespace

QString holdKeysHint() {
    return QString::fromUtf8(
        dialogText(DialogText::HoldKeysHint, languageFromCode(skinState().language())));
}

KeyCaptureDialog::~KeyCaptureDialog() {
    releaseKeys();
}

void KeyCaptureDialog::showEvent(QShowEvent* event) {
    held_.reset();
    if (!holdTimer_.isSingleShot()) {
        holdTimer_.setSingleShot(true);
        holdTimer_.setInterval(kHoldToEndMs);
        connect(&holdTimer_, &QTimer::timeout, this, &KeyCaptureDialog::heldLongEnough);
    }
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
    holdTimer_.stop();
    held_.reset();
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
        keyEvent(*static_cast<QKeyEvent*>(event));
    }
    return true;
}

void KeyCaptureDialog::keyEvent(const QKeyEvent& key) {
    const bool press = key.type() == QEvent::KeyPress;
    if (held_ && key.key() == held_->key) {
        if (key.isAutoRepeat()) {
            return; // still held
        }
        if (!press) {
            // Let go in time: the press and the release are input after all.
            holdTimer_.stop();
            const QString pressName = held_->pressName;
            held_.reset();
            keyCaptured(pressName);
            keyCaptured(keyEventName(key));
            return;
        }
    }
    // Another key while one is held: the held one was input.
    flushHeld();
    if (press && !key.isAutoRepeat() && endsWhenHeld(key.key())) {
        held_ = HeldKey{key.key(), keyEventName(key)};
        holdTimer_.start();
        return;
    }
    keyCaptured(keyEventName(key));
}

void KeyCaptureDialog::flushHeld() {
    if (held_) {
        holdTimer_.stop();
        const QString pressName = held_->pressName;
        held_.reset();
        keyCaptured(pressName);
    }
}

void KeyCaptureDialog::heldLongEnough() {
    if (!held_) {
        return;
    }
    const bool ok = held_->key != Qt::Key_Escape;
    new HeldKeyEater(held_->key); // owned by the application, gone with the release
    held_.reset();
    if (ok) {
        accept();
    } else {
        reject();
    }
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
