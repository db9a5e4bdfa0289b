#include "ui/keys/keyboard_hold.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

namespace pelmora {

namespace {
ShortcutInhibitor* installedInhibitor = nullptr;

// An X11 client of XWayland: the compositor sees the keys first, whatever
// X11 grab the window holds.
bool underXWayland() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return (display != nullptr && *display != '\0') ||
           (session != nullptr && std::strcmp(session, "wayland") == 0);
}
} // namespace

void setShortcutInhibitor(ShortcutInhibitor* inhibitor) {
    installedInhibitor = inhibitor;
}

ShortcutInhibitor* shortcutInhibitor() {
    return installedInhibitor;
}

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
    const QString platform = QGuiApplication::platformName();
    const bool x11 = platform == QLatin1String("xcb");
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
        setReach(grabbed_ && !underXWayland() ? Reach::AllKeys : Reach::OwnKeysOnly);
    } else if (platform.startsWith(QLatin1String("wayland"))) {
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
