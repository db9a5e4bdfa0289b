#pragma once
// A Wayland compositor handles the keys it binds (Super, Alt+Tab, ...) before
// any window sees them, unless a focused window asks it to pass them on. The
// desktop program provides the asking (src/app); the key dialogs and the
// macro recorder only hold what it returns while they capture keys.

#include <functional>
#include <memory>

class QWindow;

namespace pelmora {

// One request to pass the compositor's shortcuts to one window; destroying it
// gives them back.
class ShortcutInhibition {
public:
    virtual ~ShortcutInhibition() = default;
};

class ShortcutInhibitor {
public:
    virtual ~ShortcutInhibitor() = default;
    // Asks the compositor to pass its shortcuts to `window` while it has the
    // keyboard focus. `answer(true)` once the compositor does, `answer(false)`
    // when it does not or stops (the user declined). Null when the
    // compositor cannot be asked (no such protocol, no surface yet).
    virtual std::unique_ptr<ShortcutInhibition> inhibit(QWindow& window,
                                                        std::function<void(bool)> answer) = 0;
};

// The program's inhibitor; none is installed in tests and tools.
void setShortcutInhibitor(ShortcutInhibitor* inhibitor);
ShortcutInhibitor* shortcutInhibitor();

} // namespace pelmora
