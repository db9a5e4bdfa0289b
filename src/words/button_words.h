#pragma once
// A button's function in words ("Single Key:F5", "DPI Loop",
// "Macro Key:Reload:2", ...), stored as the key page's list and dialogs
// store it. buttonFunctionText (keys/button_text.h) gives the words back.

#include "keys/key_settings.h"
#include "words/setting_words.h"

#include <string>
#include <string_view>

namespace pelmora {

// Gives button `key` the function `value` names. Empty text when it was
// stored, else a one-line message that starts with `name` ("a3").
std::string setButtonWord(SettingsEdit& edit, std::string_view name, KeyButton key,
                          std::string_view value);

} // namespace pelmora
