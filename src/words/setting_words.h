#pragma once
// The settings in words: "NAME=VALUE" for every setting the window edits
// (buttons, key mode, report rate, DPI stages and colours, lighting, the
// desktop's pointer levels and tick boxes), read
// from and written to the settings record and the button labels through the
// same functions the pages use.

#include "desktop/pointer_levels.h"
#include "settings/interface_texts.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelmora {

// What a set of words edits: the record, the labels in the interface
// language, and the macro names a macro key may be given by.
struct SettingsEdit {
    SettingsBlock settings{};
    std::uint8_t firstRunFlag = 0; // config.bin's flag byte as loaded
    ButtonLabels labels;
    Language language = Language::English;
    std::vector<std::string> macroNames; // record.ini in slot order
    std::uint8_t sensorType = 0;         // labels and offers the DPI levels
};

// Applies one word ("a3=Single Key:F5", "report-rate=500", "default", ...).
// Empty text when it was applied, else a one-line message that names what
// was wrong and what is accepted (the edit may then be half done: callers
// apply words to a copy).
std::string applySettingWord(SettingsEdit& edit, std::string_view word);

// Every word in order, then the rules that hold between settings (the
// colour of a stage that is off stays); empty text when all of it applied,
// else the message of the first fault. Callers apply words to a copy.
std::string applySettingWords(SettingsEdit& edit, const std::vector<std::string>& words);

// Every setting as (NAME, VALUE) in a fixed order; each VALUE is accepted by
// applySettingWord back.
std::vector<std::pair<std::string, std::string>> settingWords(const SettingsEdit& edit);

// The setting names applySettingWord takes before "=" (plus "default").
std::vector<std::string> settingNames();
// The same names for a message: "a1..a6, b1..b6, key-mode, ...".
std::string_view settingNamesText();
// The name of a row of ticks or a tick box of the pointer settings.
std::string_view settingName(PointerRow row);
std::string_view settingName(PointerBox box);

} // namespace pelmora
