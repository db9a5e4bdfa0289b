#pragma once
// The short status the main window shows while OK or Apply sends the
// settings to the mouse, in the four interface languages.

#include "settings/interface_texts.h"

#include <string_view>

namespace pelmora {

std::string_view sendingSettingsText(Language language);

} // namespace pelmora
