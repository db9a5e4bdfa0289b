#pragma once
// What the key dialogs and the macro recorder say when the desktop may keep
// the keys it binds for itself, in the four interface languages.

#include "settings/interface_texts.h"

#include <string_view>

namespace pelmora {

// Shown while the desktop did not agree to pass its own shortcuts on (a
// Wayland compositor without the shortcuts inhibitor, a user who declined
// it, a keyboard held by another program, XWayland).
std::string_view desktopKeysNoteText(Language language);

} // namespace pelmora
