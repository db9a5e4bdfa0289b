#include "ui/keys/shortcut_inhibitor.h"

namespace pelmora {

namespace {
ShortcutInhibitor* installedInhibitor = nullptr;
} // namespace

void setShortcutInhibitor(ShortcutInhibitor* inhibitor) {
    installedInhibitor = inhibitor;
}

ShortcutInhibitor* shortcutInhibitor() {
    return installedInhibitor;
}

} // namespace pelmora
