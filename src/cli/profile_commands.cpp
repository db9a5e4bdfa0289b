// export and import: the whole configuration as one JSON document.
//
// {
//   "format": "pelmora-profile", "version": 1,
//   "settings": { "a1": "Left Click", ... },   the settings in words, as `get` prints them
//   "record": { ... },                         config.bin, member by member as `show` prints it
//   "labels": { "EN": [16 texts], "CHS": [...], "CHT": [...], "TUR": [...] },
//   "macros": [ { "name": "...", "loopTimes": "1", "items": ["...", ...] }, ... ]
// }
//
// import takes "record", then "labels", then those "settings" words whose
// value differs from what the record gives, as `set` takes them. A member
// that is missing leaves its file as it is.
#include "base/atomic_file.h"
#include "base/ini_file.h"
#include "base/json.h"
#include "cli/cli_context.h"
#include "cli/setting_words.h"
#include "cli/stderr_sink.h"
#include "macros/macro_store.h"
#include "settings/preferences.h"
#include "settings/settings_fields.h"
#include "settings/settings_file.h"

#include <array>
#include <map>
#include <string>

namespace pelmora::cli {

int loadEdit(CliContext& ctx, SettingsEdit& edit); // edit_commands.cpp

namespace {

constexpr long long kProfileVersion = 1;
constexpr std::string_view kProfileFormat = "pelmora-profile";
constexpr std::array kLanguages{Language::English, Language::SimplifiedChinese,
                                Language::TraditionalChinese, Language::Turkish};

std::string profileText(const SettingsEdit& edit, const IniFile& strIni, const IniFile& record) {
    ordered_json profile = ordered_json::object();
    profile["format"] = kProfileFormat;
    profile["version"] = kProfileVersion;
    ordered_json& words = profile["settings"] = ordered_json::object();
    for (const auto& [name, value] : settingWords(edit)) {
        words[name] = value;
    }
    profile["record"] = settingsToJson(edit.settings, edit.firstRunFlag);
    ordered_json& labels = profile["labels"] = ordered_json::object();
    for (Language language : kLanguages) {
        ordered_json& texts = labels[std::string(languageCode(language))] = ordered_json::array();
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                texts.push_back(strIni.valueOr(labelSectionName(language), labelKey(mode, b)));
            }
        }
    }
    ordered_json& macros = profile["macros"] = ordered_json::array();
    for (const auto& name : record.sectionNames()) {
        StoredMacro macro = macroFromIni(record, name);
        macros.push_back({{"name", name},
                          {"loopTimes", std::move(macro.loopText)},
                          {"items", std::move(macro.items)}});
    }
    return jsonText(profile);
}

// A member of an object, or null when it is missing (or `object` is none).
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

} // namespace

int exportCommand(CliContext& ctx) {
    SettingsEdit edit;
    if (const int status = loadEdit(ctx, edit); status != kOkStatus) {
        return status;
    }
    const DataFolder folder = ctx.dataFolder();
    IniFile strIni;
    IniFile record;
    std::string error;
    if (!IniFile::load(folder.preferencesFile(), strIni, error) ||
        !IniFile::load(folder.macroFile(), record, error)) {
        return ctx.fail(error);
    }
    const std::string text = profileText(edit, strIni, record);
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!replaceFileAtomically(ctx.args[0], std::span(data, text.size()), error)) {
        return ctx.fail("the profile was not written: " + error);
    }
    return kOkStatus;
}

int importCommand(CliContext& ctx) {
    const std::string file = ctx.args[0];
    std::string bytes;
    std::string error;
    if (!readWholeFile(file, bytes, error)) {
        return ctx.fail("cannot read " + file + ": " + error);
    }
    auto refuse = [&](const std::string& why) {
        ctx.err << "pelmora-cli: import: " << file << ": " << why << "; nothing was changed\n";
        return kUsageStatus;
    };
    ordered_json root;
    if (!parseJson(bytes, root, error)) {
        return refuse("not a JSON document (" + error + ")");
    }
    const std::string* format = textOf(memberOf(root, "format"));
    if (!format || *format != kProfileFormat) {
        return refuse("not a pelmora profile (\"format\": \"pelmora-profile\" is missing)");
    }
    const ordered_json* version = memberOf(root, "version");
    if (!version || !version->is_number_integer() || version->get<long long>() != kProfileVersion) {
        return refuse("unknown profile version " +
                      (version ? version->dump() : std::string("(none)")) +
                      " (this pelmora-cli reads version " + std::to_string(kProfileVersion) + ")");
    }
    const DataFolder folder = ctx.dataFolder();
    // The record, or config.bin as it is.
    SettingsEdit edit;
    if (const ordered_json* record = memberOf(root, "record")) {
        if (!record->is_object()) {
            return refuse("record must be an object");
        }
        if (!settingsFromJson(*record, edit.settings, edit.firstRunFlag, error)) {
            return refuse("record." + error);
        }
    } else if (!ctx.loadSettings(edit.settings, edit.firstRunFlag)) {
        return kFailedStatus;
    }
    IniFile strIni;
    if (!IniFile::load(folder.preferencesFile(), strIni, error)) {
        return ctx.fail(error);
    }
    const ordered_json* labels = memberOf(root, "labels");
    if (labels && !readLabels(*labels, strIni, error)) {
        return refuse(error);
    }
    IniFile macros;
    const ordered_json* macroList = memberOf(root, "macros");
    if (macroList ? !readMacros(*macroList, macros, error)
                  : !IniFile::load(folder.macroFile(), macros, error)) {
        return macroList ? refuse(error) : ctx.fail("the macros cannot be read: " + error);
    }
    // The words see what the window would show after loading these files.
    edit.language = languageFromCode(strIni.valueOr(kSkinsSection, kLanguageKey));
    edit.macroNames = macros.sectionNames();
    if (edit.firstRunFlag == 0) {
        edit.labels = firstRunLabels(edit.language);
    } else {
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                edit.labels.forMode(mode)[b] =
                    strIni.valueOr(labelSectionName(edit.language), labelKey(mode, b));
            }
        }
    }
    bool applied = false;
    if (const ordered_json* words = memberOf(root, "settings");
        words && !applyChangedWords(*words, edit, applied, error)) {
        return refuse(error);
    }
    if (applied) {
        // As `set` saves: the labels of the language, and the flag byte that
        // says they are the user's.
        edit.firstRunFlag = 1;
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                if (!strIni.setValue(labelSectionName(edit.language), labelKey(mode, b),
                                     edit.labels.forMode(mode)[b])) {
                    return refuse("labels: " + strIni.invalidReason());
                }
            }
        }
    }
    // Everything checked: each file replaced as a whole.
    if (!writeSettingsFileAtomically(folder.settingsFile(), edit.settings, edit.firstRunFlag,
                                     error)) {
        return ctx.fail("nothing was changed: " + error);
    }
    if (!strIni.save(folder.preferencesFile(), error)) {
        return ctx.fail("config.bin was replaced, but str.ini and record.ini were not: " + error);
    }
    if (macroList && !macros.save(folder.macroFile(), error)) {
        return ctx.fail("config.bin and str.ini were replaced, but record.ini was not: " + error);
    }
    return kOkStatus;
}

} // namespace pelmora::cli
