#include "settings/preferences.h"

#include "base/decimal_text.h"
#include "base/ini_file.h"

#include <algorithm>

namespace pelmora {

namespace {

bool editFile(const std::filesystem::path& strIni, std::string* error, const auto& edit) {
    std::string message;
    const bool ok = editIniFile(strIni, message, edit);
    if (!ok && error) {
        *error = message;
    }
    return ok;
}

} // namespace

std::string labelKey(KeyMode mode, std::size_t button) {
    std::string key = "Item" + std::to_string(button + 1);
    if (mode == KeyMode::B) {
        key += '3';
    }
    return key;
}

std::uint8_t colourComponentFromText(std::string_view text) {
    return static_cast<std::uint8_t>(std::clamp<long long>(leadingInteger(text), 0, 255));
}

std::string readLanguageCode(const std::filesystem::path& strIni) {
    return readIniValue(strIni, kSkinsSection, kLanguageKey);
}

Preferences readPreferences(const std::filesystem::path& strIni, std::string_view languageCode) {
    Preferences prefs;
    IniFile ini;
    std::string error;
    if (!IniFile::load(strIni, ini, error)) {
        return prefs;
    }
    const std::string_view section = labelSectionName(languageFromCode(languageCode));
    for (const KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            prefs.labels.forMode(mode)[b] = ini.valueOr(section, labelKey(mode, b));
        }
    }
    prefs.redText = ini.valueOr(kSkinsSection, kRedKey);
    prefs.greenText = ini.valueOr(kSkinsSection, kGreenKey);
    prefs.blueText = ini.valueOr(kSkinsSection, kBlueKey);
    prefs.skinPath = ini.valueOr(kSkinsSection, kSkinPathKey);
    return prefs;
}

bool writeLabels(const std::filesystem::path& strIni, std::string_view languageCode,
                 const ButtonLabels& labels, std::string* error) {
    const std::string_view section = labelSectionName(languageFromCode(languageCode));
    return editFile(strIni, error, [&](IniFile& ini) {
        for (const KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                if (!ini.setValue(section, labelKey(mode, b), labels.forMode(mode)[b])) {
                    return false;
                }
            }
        }
        return true;
    });
}

bool writeSkinPreferences(const std::filesystem::path& strIni, const TextColour& colour,
                          std::string_view skinPath, std::string* error) {
    return editFile(strIni, error, [&](IniFile& ini) {
        return ini.setValue(kSkinsSection, kRedKey, std::to_string(colour.red)) &&
               ini.setValue(kSkinsSection, kGreenKey, std::to_string(colour.green)) &&
               ini.setValue(kSkinsSection, kBlueKey, std::to_string(colour.blue)) &&
               ini.setValue(kSkinsSection, kSkinPathKey, skinPath);
    });
}

ButtonLabels firstRunLabels(Language language) {
    const std::array<std::string, kButtonCount> labels{
        std::string(text(TextId::LeftClick, language)),
        std::string(text(TextId::RightClick, language)),
        std::string(text(TextId::MidClick, language)),
        std::string(text(TextId::Forward, language)),
        std::string(text(TextId::Backward, language)),
        "DPI Loop",
        "Key Off",
        "Key Off"};
    return ButtonLabels{labels, labels};
}

} // namespace pelmora
