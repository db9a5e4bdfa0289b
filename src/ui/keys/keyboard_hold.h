#pragma once
// Takes the keys the desktop binds for itself for a window that captures
// keys (the key dialogs, the macro recorder), for as long as the hold lives
// or until release(): on X11 a keyboard grab, on Wayland the compositor's
// shortcuts inhibitor. Whether every key will come is its `reach`.

#include "ui/keys/shortcut_inhibitor.h"

#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace pelmora {

class KeyboardHold {
public:
    enum class Reach {
        AllKeys,     // the grab or the inhibitor holds (or no desktop binds keys)
        Asking,      // the compositor was asked and has not answered (GNOME asks the user)
        OwnKeysOnly, // the desktop may keep its shortcuts
    };

    // `changed` gets every change of reach after take().
    explicit KeyboardHold(std::function<void(Reach)> changed = {});
    ~KeyboardHold();
    KeyboardHold(const KeyboardHold&) = delete;
    KeyboardHold& operator=(const KeyboardHold&) = delete;

    // Takes the keys for `window` (mapped and focused); nothing when taken
    // (an X11 grab that was refused is tried again).
    void take(QWindow& window);
    void release();
    bool taken() const { return taken_; }
    // Whether the X11 keyboard grab was taken.
    bool grabbed() const { return grabbed_; }
    Reach reach() const { return reach_; }

private:
    void setReach(Reach reach);

    std::function<void(Reach)> changed_;
    QPointer<QWindow> window_;
    std::unique_ptr<ShortcutInhibition> inhibition_;
    // A compositor that says nothing to the request (GNOME after the user
    // declined its prompt) is taken as a refusal once this runs out; a
    // later yes still counts.
    QTimer unanswered_;
    Reach reach_ = Reach::AllKeys;
    bool taken_ = false;
    bool grabbed_ = false;
};

} // namespace pelmora
