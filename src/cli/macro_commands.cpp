// encode-macros and macros: what record.ini holds, and the macro slots made of it.
#include "base/ini_file.h"
#include "cli/cli_context.h"
#include "cli/json_writer.h"
#include "cli/stderr_sink.h"
#include "macros/macro_encoder.h"
#include "macros/macro_store.h"
#include "settings/settings_file.h"

#include <ostream>
#include <string>

namespace pelmora::cli {

int encodeMacrosCommand(CliContext& ctx) {
    const DataFolder folder = ctx.dataFolder();
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    if (!ctx.loadSettings(settings, flag)) {
        return kFailedStatus;
    }
    StderrSink sink(ctx.err);

    MacroEncodeReport report;
    std::string error;
    if (!encodeMacros(folder.macroFile(), settings.macroData, report, error)) {
        return ctx.fail("the macros cannot be read: " + error);
    }
    for (std::size_t s = 0; s < settings.macroData.size(); ++s) {
        ctx.out << "slot " << (s + 1) << ": " << hexString(settings.macroData[s]) << '\n';
    }
    for (const auto& dropped : report.droppedEvents) {
        ctx.err << "pelmora-cli: macro \"" << dropped.macroName << "\" (slot " << (dropped.slot + 1)
                << "): item " << dropped.item << " \"" << dropped.itemText
                << "\" does not fit the 128-byte slot and is left out\n";
    }
    for (const auto& name : report.skippedMacros) {
        ctx.err << "pelmora-cli: macro \"" << name
                << "\" is not encoded: the mouse has twelve macro slots\n";
    }
    if (ctx.save && saveSettingsFile(folder.settingsFile(), settings, sink) != SaveResult::Saved) {
        return kFailedStatus;
    }
    return kOkStatus;
}

int macrosCommand(CliContext& ctx) {
    // One reading of the file for every macro.
    IniFile ini;
    std::string error;
    if (!IniFile::load(ctx.dataFolder().macroFile(), ini, error)) {
        return ctx.fail("the macros cannot be read: " + error);
    }
    const auto names = ini.sectionNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const StoredMacro macro = macroFromIni(ini, names[i]);
        if (i < kMaxMacroCount) {
            ctx.out << "slot " << (i + 1) << ": ";
        } else {
            ctx.out << "no slot: ";
        }
        ctx.out << names[i] << " (loop " << loopCountFromText(macro.loopText) << ", "
                << macro.items.size() << (macro.items.size() == 1 ? " item)\n" : " items)\n");
    }
    return kOkStatus;
}

} // namespace pelmora::cli
