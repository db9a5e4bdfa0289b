#pragma once
// What the window works on while it runs, in one place: the settings record
// of config.bin and the copy Cancel goes back to, the preferences of str.ini
// and the language they are in. The window owns it and hands it to its
// parts, its skin choice and its device watch. The drawing layer reads the
// language from the look the window publishes (src/ui/skin/skin_state.h),
// which is copied from here.

#include "settings/interface_texts.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <string>

namespace pelmora {

class WindowSession {
public:
    SettingsBlock settings{};
    SettingsBackup backup{};
    // config.bin's flag byte: 0 on a first run, until an Apply.
    std::uint8_t firstRunFlag = 0;
    // config.bin filled the record at start-up; only then may it be sent and
    // saved.
    bool settingsLoaded = false;
    // The preferences of the language (its button labels) and the skin.
    Preferences preferences;

    // "Lan" of str.ini, and the language it names (English for anything else).
    void setLanguage(std::string code) {
        languageCode_ = std::move(code);
        language_ = languageFromCode(languageCode_);
    }
    const std::string& languageCode() const { return languageCode_; }
    Language language() const { return language_; }

private:
    std::string languageCode_;
    Language language_ = Language::English;
};

} // namespace pelmora
