#pragma once
// The key page's labels against the functions the settings record holds.
// Each language keeps its own labels in str.ini, and only the language in
// use is rewritten when a button changes: after changes made in English,
// the Turkish labels would still name the factory functions. A label that
// names another function than its button's is replaced by the label the
// page writes for that function in the language; a label that names the
// function stays as saved (a dialog's label keeps its own wording). Only the
// buttons the page shows are checked.

#include "keys/key_settings.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"

namespace pelmora {

// True when a label was replaced.
bool matchLabelsToFunctions(const SettingsBlock& settings, ButtonLabels& labels, Language language);

} // namespace pelmora
