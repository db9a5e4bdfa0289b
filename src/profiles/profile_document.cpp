#include "profiles/profile_document.h"

#include "base/atomic_file.h"
#include "macros/macro_store.h"
#include "settings/preferences.h"
#include "settings/settings_fields.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <array>
#include <map>

namespace pelmora {

namespace {

constexpr long long kProfileVersion = 1;
constexpr std::string_view kProfileFormat = "pelmora-profile";
constexpr std::array kLanguages{Language::English, Language::SimplifiedChinese,
                                Language::TraditionalChinese, Language::Turkish};

const ordered_json* memberOf(const ordered_json& object, std::string_view name) {
    if (!object.is_object()) {
        return nullptr;
    }
    const auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

const std::string* textOf(const ordered_json* value) {
    return value && value->is_string() ? &value->get_ref<const std::string&>() : nullptr;
}

// The labels of the four languages into the str.ini content.
bool readLabels(const ordered_json& labels, IniFile& strIni, std::string& error) {
    if (!labels.is_object()) {
        error = "labels must be an object with EN, CHS, CHT and TUR";
        return false;
    }
    for (Language language : kLanguages) {
        const std::string code(languageCode(language));
        const ordered_json* texts = memberOf(labels, code);
        if (!texts || !texts->is_array() || texts->size() != 2 * kButtonCount) {
            error = "labels." + code + " must be a list of 16 texts";
            return false;
        }
        std::vector<std::pair<std::string, std::string>> keys;
        for (std::size_t i = 0; i < texts->size(); ++i) {
            const std::string* text = textOf(&(*texts)[i]);
            if (!text) {
                error = "labels." + code + " must hold texts only";
                return false;
            }
            keys.emplace_back(
                labelKey(i < kButtonCount ? KeyMode::A : KeyMode::B, i % kButtonCount), *text);
        }
        if (!strIni.replaceKeys(labelSectionName(language), keys)) {
            error = "labels." + code + ": " + strIni.invalidReason();
            return false;
        }
    }
    return true;
}

// The macros as a new record.ini, with the macro editor's name rules.
bool readMacros(const ordered_json& macros, IniFile& record, std::string& error) {
    if (!macros.is_array()) {
        error = "macros must be a list";
        return false;
    }
    std::vector<std::string> names;
    for (std::size_t m = 0; m < macros.size(); ++m) {
        const std::string where = "macros[" + std::to_string(m) + "]";
        const std::string* name = textOf(memberOf(macros[m], "name"));
        const std::string* loop = textOf(memberOf(macros[m], "loopTimes"));
        const ordered_json* items = memberOf(macros[m], "items");
        if (!name || !loop || !items || !items->is_array()) {
            error = where + " must have a name, loopTimes (text) and items (a list of texts)";
            return false;
        }
        if (const std::string problem = macroNameProblem(*name); !problem.empty()) {
            error = where + ": " + problem;
            return false;
        }
        if (macroNameTaken(names, *name)) {
            error = where + ": the name \"" + *name + "\" is there twice (case is not told apart)";
            return false;
        }
        names.push_back(*name);
        std::vector<std::pair<std::string, std::string>> keys = {
            {std::string(kLoopTimesKey), *loop},
            {std::string(kItemCountKey), std::to_string(items->size())}};
        for (std::size_t i = 0; i < items->size(); ++i) {
            const std::string* item = textOf(&(*items)[i]);
            if (!item) {
                error = where + ".items must hold texts only";
                return false;
            }
            keys.emplace_back(itemKey(i), *item);
        }
        if (!record.replaceKeys(*name, keys)) {
            error = where + ": " + record.invalidReason();
            return false;
        }
    }
    return true;
}

// Applies the words of "settings" whose value differs from what the edit
// gives already, in the document's order, as `set` applies them. Returns
// whether one was applied; false with `error` for a word `set` refuses.
bool applyChangedWords(const ordered_json& settings, SettingsEdit& edit, bool& applied,
                       std::string& error) {
    if (!settings.is_object()) {
        error = "settings must be an object of NAME: VALUE texts";
        return false;
    }
    std::map<std::string, std::string, std::less<>> given;
    for (auto& [name, value] : settingWords(edit)) {
        given.emplace(std::move(name), std::move(value));
    }
    applied = false;
    for (const auto& [name, value] : settings.items()) {
        const std::string* text = textOf(&value);
        if (!text) {
            error = "settings." + name + " must be a text";
            return false;
        }
        if (const auto it = given.find(name); it != given.end() && it->second == *text) {
            continue;
        }
        if (const std::string problem = applySettingWord(edit, name + "=" + *text);
            !problem.empty()) {
            error = "settings: " + problem;
            return false;
        }
        applied = true;
    }
    return true;
}

// A "match" list: application ids, each a text that is not empty.
bool checkMatch(const ordered_json& match, std::string& error) {
    const bool texts =
        match.is_array() && std::all_of(match.begin(), match.end(), [](auto& id) {
            return id.is_string() && !id.template get_ref<const std::string&>().empty();
        });
    if (!texts) {
        error = "match must be a list of application ids (texts that are not empty)";
    }
    return texts;
}

} // namespace

bool loadConfigurationTexts(const DataFolder& folder, Configuration& configuration,
                            std::string& error) {
    if (!IniFile::load(folder.preferencesFile(), configuration.strIni, error)) {
        return false;
    }
    if (!IniFile::load(folder.macroFile(), configuration.macros, error)) {
        error = "the macros cannot be read: " + error;
        return false;
    }
    return true;
}

SettingsEdit settingsEditOf(const Configuration& configuration) {
    SettingsEdit edit;
    edit.settings = configuration.settings;
    edit.firstRunFlag = configuration.firstRunFlag;
    edit.language = languageFromCode(configuration.strIni.valueOr(kSkinsSection, kLanguageKey));
    edit.macroNames = configuration.macros.sectionNames();
    if (edit.firstRunFlag == 0) {
        edit.labels = firstRunLabels(edit.language);
    } else {
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                edit.labels.forMode(mode)[b] = configuration.strIni.valueOr(
                    labelSectionName(edit.language), labelKey(mode, b));
            }
        }
    }
    return edit;
}

std::string profileText(const Configuration& configuration, const ordered_json& match) {
    ordered_json profile = ordered_json::object();
    profile["format"] = kProfileFormat;
    profile["version"] = kProfileVersion;
    ordered_json& words = profile["settings"] = ordered_json::object();
    for (const auto& [name, value] : settingWords(settingsEditOf(configuration))) {
        words[name] = value;
    }
    profile["record"] = settingsToJson(configuration.settings, configuration.firstRunFlag);
    ordered_json& labels = profile["labels"] = ordered_json::object();
    for (Language language : kLanguages) {
        ordered_json& texts = labels[std::string(languageCode(language))] = ordered_json::array();
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                texts.push_back(
                    configuration.strIni.valueOr(labelSectionName(language), labelKey(mode, b)));
            }
        }
    }
    ordered_json& macros = profile["macros"] = ordered_json::array();
    for (const auto& name : configuration.macros.sectionNames()) {
        StoredMacro macro = macroFromIni(configuration.macros, name);
        macros.push_back({{"name", name},
                          {"loopTimes", std::move(macro.loopText)},
                          {"items", std::move(macro.items)}});
    }
    if (!match.is_null()) {
        profile["match"] = match;
    }
    return jsonText(profile);
}

bool parseProfile(std::string_view text, ordered_json& root, std::string& error) {
    if (!parseJson(text, root, error)) {
        error = "not a JSON document (" + error + ")";
        return false;
    }
    const std::string* format = textOf(memberOf(root, "format"));
    if (!format || *format != kProfileFormat) {
        error = "not a pelmora profile (\"format\": \"pelmora-profile\" is missing)";
        return false;
    }
    const ordered_json* version = memberOf(root, "version");
    if (!version || !version->is_number_integer() || version->get<long long>() != kProfileVersion) {
        error = "unknown profile version " + (version ? version->dump() : std::string("(none)")) +
                " (this program reads version " + std::to_string(kProfileVersion) + ")";
        return false;
    }
    if (const ordered_json* match = memberOf(root, "match"); match && !checkMatch(*match, error)) {
        return false;
    }
    return true;
}

bool profileHasRecord(const ordered_json& root) {
    return memberOf(root, "record") != nullptr;
}

ordered_json profileMatch(const ordered_json& root) {
    const ordered_json* match = memberOf(root, "match");
    return match ? *match : ordered_json();
}

bool readProfile(const ordered_json& root, Configuration& configuration, bool& macrosGiven,
                 std::string& error) {
    if (const ordered_json* record = memberOf(root, "record")) {
        if (!record->is_object()) {
            error = "record must be an object";
            return false;
        }
        if (!settingsFromJson(*record, configuration.settings, configuration.firstRunFlag, error)) {
            error = "record." + error;
            return false;
        }
    }
    const ordered_json* labels = memberOf(root, "labels");
    if (labels && !readLabels(*labels, configuration.strIni, error)) {
        return false;
    }
    const ordered_json* macroList = memberOf(root, "macros");
    macrosGiven = macroList != nullptr;
    if (macroList) {
        IniFile macros;
        if (!readMacros(*macroList, macros, error)) {
            return false;
        }
        configuration.macros = std::move(macros);
    }
    // The words see what the window would show after loading these files.
    SettingsEdit edit = settingsEditOf(configuration);
    bool applied = false;
    if (const ordered_json* words = memberOf(root, "settings");
        words && !applyChangedWords(*words, edit, applied, error)) {
        return false;
    }
    if (!applied) {
        return true;
    }
    return takeSettingsEdit(configuration, edit, error);
}

bool takeSettingsEdit(Configuration& configuration, const SettingsEdit& edit, std::string& error) {
    // As `set` saves: the labels of the language, and the flag byte that says
    // they are the user's.
    configuration.settings = edit.settings;
    configuration.firstRunFlag = 1;
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            if (!configuration.strIni.setValue(labelSectionName(edit.language), labelKey(mode, b),
                                               edit.labels.forMode(mode)[b])) {
                error = "labels: " + configuration.strIni.invalidReason();
                return false;
            }
        }
    }
    return true;
}

bool profileMatchesConfiguration(const ordered_json& root, const Configuration& configuration) {
    // What activating the profile would make of the configuration, against
    // the configuration: the flag byte aside, which only says whose the
    // labels are.
    Configuration taken = configuration;
    bool macrosGiven = false;
    std::string error;
    if (!readProfile(root, taken, macrosGiven, error) ||
        !std::ranges::equal(taken.settings.bytes(), configuration.settings.bytes())) {
        return false;
    }
    // The labels of the language as the window shows them (the first-run
    // ones while the flag byte is 0), the other languages' as stored.
    const SettingsEdit takenEdit = settingsEditOf(taken);
    const SettingsEdit currentEdit = settingsEditOf(configuration);
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        if (takenEdit.labels.forMode(mode) != currentEdit.labels.forMode(mode)) {
            return false;
        }
    }
    for (Language language : kLanguages) {
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                const auto section = labelSectionName(language);
                if (language != currentEdit.language &&
                    taken.strIni.valueOr(section, labelKey(mode, b)) !=
                        configuration.strIni.valueOr(section, labelKey(mode, b))) {
                    return false;
                }
            }
        }
    }
    return taken.macros.serialise() == configuration.macros.serialise();
}

bool saveConfiguration(const DataFolder& folder, const Configuration& configuration,
                       bool withMacros, std::string& error) {
    if (!writeSettingsFileAtomically(folder.settingsFile(), configuration.settings,
                                     configuration.firstRunFlag, error)) {
        error = "nothing was changed: " + error;
        return false;
    }
    if (!configuration.strIni.save(folder.preferencesFile(), error)) {
        error = "config.bin was replaced, but str.ini and record.ini were not: " + error;
        return false;
    }
    if (withMacros && !configuration.macros.save(folder.macroFile(), error)) {
        error = "config.bin and str.ini were replaced, but record.ini was not: " + error;
        return false;
    }
    return true;
}

} // namespace pelmora
