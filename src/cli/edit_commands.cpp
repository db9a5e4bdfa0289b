// get and set: the settings in words, changed as the window changes them.
#include "base/json.h"
#include "cli/cli_context.h"
#include "cli/desktop_pointer.h"
#include "cli/stderr_sink.h"
#include "macros/macro_store.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"
#include "words/setting_words.h"

#include <ostream>
#include <string>

namespace pelmora::cli {

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

int writeSettingWords(CliContext& ctx, std::vector<std::pair<std::string, std::string>> words,
                      std::string_view command, std::string_view only) {
    if (!only.empty()) {
        std::erase_if(words, [&](const auto& w) { return w.first != only; });
        if (words.empty()) {
            ctx.err << "pelmora-cli: " << command << ": unknown setting \"" << only
                    << "\" (accepted: " << settingNamesText() << ")\n";
            return kUsageStatus;
        }
    }
    if (ctx.json) {
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

int getCommand(CliContext& ctx) {
    SettingsEdit edit;
    edit.sensorType = static_cast<std::uint8_t>(ctx.sensorType);
    const std::string only = ctx.args.empty() ? std::string() : ctx.args.front();
    if (const int status = loadEdit(ctx, edit); status != kOkStatus) {
        return status;
    }
    return writeSettingWords(ctx, settingWords(edit), "get", only);
}

int setCommand(CliContext& ctx) {
    SettingsEdit edit;
    edit.sensorType = static_cast<std::uint8_t>(ctx.sensorType);
    const std::vector<std::string> words = ctx.args;
    if (const int status = loadEdit(ctx, edit); status != kOkStatus) {
        return status;
    }
    // Every word on a copy first: one bad word leaves both files untouched.
    if (const std::string problem = applySettingWords(edit, words); !problem.empty()) {
        ctx.err << "pelmora-cli: set: " << problem << "; nothing was changed\n";
        return kUsageStatus;
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
    if (!ctx.apply) {
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
