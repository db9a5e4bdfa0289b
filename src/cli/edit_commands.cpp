// get and set: the settings in words, changed as the window changes them.
#include "base/json.h"
#include "cli/cli_context.h"
#include "cli/desktop_pointer.h"
#include "cli/setting_words.h"
#include "cli/stderr_sink.h"
#include "macros/macro_store.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"

#include <charconv>
#include <ostream>
#include <string>

namespace pelmora::cli {

namespace {

// Takes "--sensor T" out of the arguments; false (after a message) on a bad value.
bool takeSensorOption(CliContext& ctx, std::string_view command, SettingsEdit& edit,
                      std::vector<std::string>& rest) {
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        if (ctx.args[i] != "--sensor") {
            rest.push_back(ctx.args[i]);
            continue;
        }
        const std::string value = i + 1 < ctx.args.size() ? ctx.args[++i] : std::string();
        unsigned type = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), type);
        if (value.empty() || ec != std::errc() || end != value.data() + value.size() ||
            type > 255) {
            ctx.err << "pelmora-cli: " << command
                    << ": --sensor takes the sensor type 0..255, not \"" << value << "\"\n";
            return false;
        }
        edit.sensorType = static_cast<std::uint8_t>(type);
    }
    return true;
}

} // namespace

// Loads config.bin, the labels of str.ini in its language and the macro
// names, as the window holds them after its start.
int loadEdit(CliContext& ctx, SettingsEdit& edit) {
    const DataFolder folder = ctx.dataFolder();
    std::uint8_t& flag = edit.firstRunFlag;
    if (!ctx.loadSettings(edit.settings, flag)) {
        return kFailedStatus;
    }
    const auto strIni = folder.preferencesFile();
    const std::string code = readLanguageCode(strIni);
    edit.language = languageFromCode(code);
    edit.labels = flag == 0 ? firstRunLabels(edit.language) : readPreferences(strIni, code).labels;
    std::string error;
    edit.macroNames = MacroStore(folder.macroFile()).names(&error);
    if (!error.empty()) {
        return ctx.fail("the macros cannot be read: " + error);
    }
    return kOkStatus;
}

int getCommand(CliContext& ctx) {
    SettingsEdit edit;
    std::vector<std::string> rest;
    if (!takeSensorOption(ctx, "get", edit, rest)) {
        return kUsageStatus;
    }
    bool json = false;
    std::string only;
    for (const auto& arg : rest) {
        if (arg == "--json") {
            json = true;
        } else if (only.empty() && !arg.starts_with("-")) {
            only = arg;
        } else {
            ctx.err << "pelmora-cli: get takes [--json] [--sensor T] [NAME], not \"" << arg
                    << "\"\n";
            return kUsageStatus;
        }
    }
    if (const int status = loadEdit(ctx, edit); status != kOkStatus) {
        return status;
    }
    auto words = settingWords(edit);
    if (!only.empty()) {
        std::erase_if(words, [&](const auto& w) { return w.first != only; });
        if (words.empty()) {
            ctx.err << "pelmora-cli: get: unknown setting \"" << only
                    << "\" (accepted: " << settingNamesText() << ")\n";
            return kUsageStatus;
        }
    }
    if (json) {
        ordered_json object = ordered_json::object();
        for (const auto& [name, value] : words) {
            object[name] = value;
        }
        ctx.out << jsonText(object);
    } else {
        for (const auto& [name, value] : words) {
            ctx.out << name << '=' << value << '\n';
        }
    }
    return kOkStatus;
}

int setCommand(CliContext& ctx) {
    SettingsEdit edit;
    std::vector<std::string> words;
    if (!takeSensorOption(ctx, "set", edit, words)) {
        return kUsageStatus;
    }
    bool apply = false;
    std::erase_if(words, [&](const std::string& w) { return w == "--apply" && (apply = true); });
    if (words.empty()) {
        ctx.err << "pelmora-cli: set needs at least one NAME=VALUE or default (see set --help)\n";
        return kUsageStatus;
    }
    if (const int status = loadEdit(ctx, edit); status != kOkStatus) {
        return status;
    }
    // Every word on a copy first: one bad word leaves both files untouched.
    for (const auto& word : words) {
        if (const std::string problem = applySettingWord(edit, word); !problem.empty()) {
            ctx.err << "pelmora-cli: set: " << problem << "; nothing was changed\n";
            return kUsageStatus;
        }
    }
    const DataFolder folder = ctx.dataFolder();
    StderrSink sink(ctx.err);
    if (saveSettingsFile(folder.settingsFile(), edit.settings, sink) != SaveResult::Saved) {
        return kFailedStatus;
    }
    std::string error;
    const auto strIni = folder.preferencesFile();
    if (!writeLabels(strIni, readLanguageCode(strIni), edit.labels, &error)) {
        return ctx.fail("config.bin was saved, but the button labels were not: " + error);
    }
    if (!apply) {
        return kOkStatus;
    }
    // As the window's Apply: the mouse first, then the desktop's pointer
    // settings, also when writes to the mouse were lost; nothing reaches the
    // desktop when there is no mouse to apply to.
    ctx.args.clear();
    bool reached = false;
    const int status = applyToMouse(ctx, reached);
    if (!reached) {
        return status;
    }
    const int desktopStatus = writePointerSettings(ctx, edit.settings);
    return status != kOkStatus ? status : desktopStatus;
}

} // namespace pelmora::cli
