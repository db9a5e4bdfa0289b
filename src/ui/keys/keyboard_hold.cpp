#include "ui/keys/keyboard_hold.h"

#include "ui/skin/display_session.h"

namespace pelmora {

namespace {
constexpr int kInhibitorAnswerMs = 1500;
} // namespace

KeyboardHold::KeyboardHold(std::function<void(Reach)> changed) : changed_(std::move(changed)) {
    unanswered_.setSingleShot(true);
    unanswered_.setInterval(kInhibitorAnswerMs);
    QObject::connect(&unanswered_, &QTimer::timeout, [this] {
        if (reach_ == Reach::Asking) {
            setReach(Reach::OwnKeysOnly);
        }
    });
}

KeyboardHold::~KeyboardHold() {
    release();
}

void KeyboardHold::take(QWindow& window) {
    const DisplaySession session = displaySession();
    const bool x11 = x11Client(session);
    // A refused X11 grab is tried again at the next take (a window manager
    // maps the window late).
    if (taken_ && (!x11 || grabbed_)) {
        return;
    }
    taken_ = true;
    window_ = &window;
    if (x11) {
        // A refused grab (another program holds the keyboard) is no failure:
        // the keys the window is given still count.
        grabbed_ = window.setKeyboardGrabEnabled(true);
        // Under XWayland the compositor sees the keys first, whatever the grab.
        setReach(grabbed_ && session == DisplaySession::X11 ? Reach::AllKeys : Reach::OwnKeysOnly);
    } else if (session == DisplaySession::Wayland) {
        ShortcutInhibitor* inhibitor = shortcutInhibitor();
        if (inhibitor != nullptr) {
            inhibition_ = inhibitor->inhibit(window, [this](bool held) {
                setReach(held ? Reach::AllKeys : Reach::OwnKeysOnly);
            });
        }
        setReach(inhibition_ ? Reach::Asking : Reach::OwnKeysOnly);
        if (reach_ == Reach::Asking) {
            unanswered_.start();
        }
    } else {
        // No desktop that binds keys (offscreen).
        setReach(Reach::AllKeys);
    }
}

void KeyboardHold::release() {
    if (!taken_) {
        return;
    }
    taken_ = false;
    unanswered_.stop();
    inhibition_.reset();
    if (grabbed_ && window_) {
        window_->setKeyboardGrabEnabled(false);
    }
    grabbed_ = false;
    window_.clear();
}

void KeyboardHold::setReach(Reach reach) {
    // An answer that arrives for a request already released changes nothing.
    if (reach == reach_ || !taken_) {
        return;
    }
    reach_ = reach;
    if (changed_) {
        changed_(reach);
    }
}

} // namespace pelmora
