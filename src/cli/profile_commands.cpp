// export and import: the whole configuration as one JSON document.
//
// {
//   "format": "pelmora-profile", "version": 1,
//   "settings": { "a1": "Left Click", ... },   the settings in words (for reading)
//   "record": { ... },                         config.bin, member by member as `show` prints it
//   "labels": { "EN": [16 texts], "CHS": [...], "CHT": [...], "TUR": [...] },
//   "macros": [ { "name": "...", "loopTimes": "1", "items": ["...", ...] }, ... ]
// }
#include "base/atomic_file.h"
#include "base/ini_file.h"
#include "cli/cli_context.h"
#include "cli/json_writer.h"
#include "cli/setting_words.h"
#include "cli/settings_input.h"
#include "cli/settings_output.h"
#include "cli/stderr_sink.h"
#include "macros/macro_store.h"
#include "settings/json_value.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"

#include <array>
#include <sstream>
#include <string>

namespace pelmora::cli {

int loadEdit(CliContext& ctx, SettingsEdit& edit); // edit_commands.cpp

namespace {

constexpr long long kProfileVersion = 1;
constexpr std::string_view kProfileFormat = "pelmora-profile";
constexpr std::array kLanguages{Language::English, Language::SimplifiedChinese,
                                Language::TraditionalChinese, Language::Turkish};

std::string profileText(const SettingsEdit& edit, const IniFile& strIni, const IniFile& record) {
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject();
    json.string("format", kProfileFormat);
    json.number("version", kProfileVersion);
    json.beginObject("settings");
    for (const auto& [name, value] : settingWords(edit)) {
        json.string(name, value);
    }
    json.endObject();
    json.beginObject("record");
    writeSettingsMembers(json, edit.settings, edit.firstRunFlag);
    json.endObject();
    json.beginObject("labels");
    for (Language language : kLanguages) {
        json.beginArray(languageCode(language));
        for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                json.string({}, strIni.valueOr(labelSectionName(language), labelKey(mode, b)));
            }
        }
        json.endArray();
    }
    json.endObject();
    json.beginArray("macros");
    for (const auto& name : record.sectionNames()) {
        const StoredMacro macro = macroFromIni(record, name);
        json.beginObject();
        json.string("name", name);
        json.string("loopTimes", macro.loopText);
        json.beginArray("items");
        for (const auto& item : macro.items) {
            json.string({}, item);
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
    out << '\n';
    return out.str();
}

const json::Object* objectOf(const json::Value& value) {
    const auto* o = std::get_if<std::shared_ptr<json::Object>>(&value.data);
    return o ? o->get() : nullptr;
}
const json::Array* arrayOf(const json::Value& value) {
    const auto* a = std::get_if<std::shared_ptr<json::Array>>(&value.data);
    return a ? a->get() : nullptr;
}
const json::Value* memberOf(const json::Object& object, std::string_view name) {
    const auto it = object.find(name);
    return it == object.end() ? nullptr : &it->second;
}

// The labels of the four languages into the str.ini content.
bool readLabels(const json::Object& root, IniFile& strIni, std::string& error) {
    const json::Value* value = memberOf(root, "labels");
    const json::Object* labels = value ? objectOf(*value) : nullptr;
    if (!labels) {
        error = "labels must be an object with EN, CHS, CHT and TUR";
        return false;
    }
    for (Language language : kLanguages) {
        const std::string code(languageCode(language));
        const json::Value* list = memberOf(*labels, code);
        const json::Array* texts = list ? arrayOf(*list) : nullptr;
        if (!texts || texts->size() != 2 * kButtonCount) {
            error = "labels." + code + " must be a list of 16 texts";
            return false;
        }
        std::vector<std::pair<std::string, std::string>> keys;
        for (std::size_t i = 0; i < texts->size(); ++i) {
            const auto* text = std::get_if<std::string>(&(*texts)[i].data);
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
bool readMacros(const json::Object& root, IniFile& record, std::string& error) {
    const json::Value* value = memberOf(root, "macros");
    const json::Array* macros = value ? arrayOf(*value) : nullptr;
    if (!macros) {
        error = "macros must be a list";
        return false;
    }
    std::vector<std::string> names;
    for (std::size_t m = 0; m < macros->size(); ++m) {
        const std::string where = "macros[" + std::to_string(m) + "]";
        const json::Object* macro = objectOf((*macros)[m]);
        const json::Value* name = macro ? memberOf(*macro, "name") : nullptr;
        const json::Value* loop = macro ? memberOf(*macro, "loopTimes") : nullptr;
        const json::Value* items = macro ? memberOf(*macro, "items") : nullptr;
        const auto* nameText = name ? std::get_if<std::string>(&name->data) : nullptr;
        const auto* loopText = loop ? std::get_if<std::string>(&loop->data) : nullptr;
        const json::Array* itemList = items ? arrayOf(*items) : nullptr;
        if (!nameText || !loopText || !itemList) {
            error = where + " must have a name, loopTimes (text) and items (a list of texts)";
            return false;
        }
        if (const std::string problem = macroNameProblem(*nameText); !problem.empty()) {
            error = where + ": " + problem;
            return false;
        }
        if (macroNameTaken(names, *nameText)) {
            error =
                where + ": the name \"" + *nameText + "\" is there twice (case is not told apart)";
            return false;
        }
        names.push_back(*nameText);
        std::vector<std::pair<std::string, std::string>> keys = {
            {std::string(kLoopTimesKey), *loopText},
            {std::string(kItemCountKey), std::to_string(itemList->size())}};
        for (std::size_t i = 0; i < itemList->size(); ++i) {
            const auto* item = std::get_if<std::string>(&(*itemList)[i].data);
            if (!item) {
                error = where + ".items must hold texts only";
                return false;
            }
            keys.emplace_back(itemKey(i), *item);
        }
        if (!record.replaceKeys(*nameText, keys)) {
            error = where + ": " + record.invalidReason();
            return false;
        }
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
    json::Value root;
    if (!json::parse(bytes, root, error)) {
        return refuse("not a JSON document (" + error + ")");
    }
    const json::Object* object = objectOf(root);
    const json::Value* format = object ? memberOf(*object, "format") : nullptr;
    const auto* formatText = format ? std::get_if<std::string>(&format->data) : nullptr;
    if (!formatText || *formatText != kProfileFormat) {
        return refuse("not a pelmora profile (\"format\": \"pelmora-profile\" is missing)");
    }
    const json::Value* version = memberOf(*object, "version");
    const auto* versionNumber = version ? std::get_if<long long>(&version->data) : nullptr;
    if (!versionNumber || *versionNumber != kProfileVersion) {
        return refuse("unknown profile version " +
                      (versionNumber ? std::to_string(*versionNumber) : std::string("(none)")) +
                      " (this pelmora-cli reads version " + std::to_string(kProfileVersion) + ")");
    }
    const json::Value* recordValue = memberOf(*object, "record");
    const json::Object* recordObject = recordValue ? objectOf(*recordValue) : nullptr;
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    if (!recordObject) {
        return refuse("record must be an object");
    }
    if (!readSettingsMembers(*recordObject, settings, flag, error)) {
        return refuse("record." + error);
    }
    const DataFolder folder = ctx.dataFolder();
    IniFile strIni;
    if (!IniFile::load(folder.preferencesFile(), strIni, error)) {
        return ctx.fail(error);
    }
    if (!readLabels(*object, strIni, error)) {
        return refuse(error);
    }
    IniFile record;
    if (!readMacros(*object, record, error)) {
        return refuse(error);
    }
    // Everything checked: each file replaced as a whole.
    if (!writeSettingsFileAtomically(folder.settingsFile(), settings, flag, error)) {
        return ctx.fail("nothing was changed: " + error);
    }
    if (!strIni.save(folder.preferencesFile(), error)) {
        return ctx.fail("config.bin was replaced, but str.ini and record.ini were not: " + error);
    }
    if (!record.save(folder.macroFile(), error)) {
        return ctx.fail("config.bin and str.ini were replaced, but record.ini was not: " + error);
    }
    return kOkStatus;
}

} // namespace pelmora::cli
