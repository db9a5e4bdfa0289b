// macro list/add/delete/loop: the macro editor's New, Confirm, Delete and
// loop field, driven from a shell.
#include "base/atomic_file.h"
#include "base/typed_text.h"
#include "cli/cli_context.h"
#include "cli/stderr_sink.h"
#include "keys/key_tables.h"
#include "macros/macro_editor.h"
#include "macros/macro_encoder.h"
#include "macros/macro_item.h"
#include "macros/macro_store.h"
#include "settings/settings_file.h"

#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora::cli {

namespace {

// Keeps the editor's messages: a refusal becomes the command's error line.
class CollectingSink final : public MessageSink {
public:
    void showMessage(std::string_view text, std::string_view) override {
        std::string line(text);
        while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
            line.pop_back();
        }
        messages.push_back(line);
    }
    std::vector<std::string> messages;
};

// An item as typed: "KEY down" / "KEY up" / "N ms", or as the file holds it
// ("A   Dn", "A   Up"). The key name is matched without regard to case.
std::optional<std::string> itemOf(std::string_view typed) {
    const ParsedItem stored = parseItem(typed);
    std::string key;
    bool press = false;
    if (stored.kind == ItemKind::Press || stored.kind == ItemKind::Release) {
        key = stored.keyName;
        press = stored.kind == ItemKind::Press;
    } else {
        const std::string text = lower(typed);
        const auto blank = text.rfind(' ');
        const std::string last = blank == std::string::npos ? text : text.substr(blank + 1);
        if (last == "ms" || text.ends_with("ms")) {
            std::string digits = text.substr(0, text.size() - 2);
            while (!digits.empty() && digits.back() == ' ') {
                digits.pop_back();
            }
            const auto ms = wholeNumber(digits);
            if (!ms || *ms < 0 || *ms > kMaxEditedDelayMs) {
                return std::nullopt;
            }
            return delayItem(*ms);
        }
        if (blank == std::string::npos || (last != "down" && last != "dn" && last != "up")) {
            return std::nullopt;
        }
        key = std::string(typed.substr(0, blank));
        press = last != "up";
    }
    for (const auto& entry : keyNameTable()) {
        if (lower(entry.name) == lower(key)) {
            return press ? pressItem(entry.name) : releaseItem(entry.name);
        }
    }
    return std::nullopt;
}

struct MacroSession {
    SettingsBlock settings{};
    std::uint8_t flag = 0;
};

int loadSettings(CliContext& ctx, MacroSession& session) {
    return ctx.loadSettings(session.settings, session.flag) ? kOkStatus : kFailedStatus;
}

int saveSettings(CliContext& ctx, const MacroSession& session) {
    StderrSink sink(ctx.err);
    return saveSettingsFile(ctx.dataFolder().settingsFile(), session.settings, sink) ==
                   SaveResult::Saved
               ? kOkStatus
               : kFailedStatus;
}

int usage(CliContext& ctx, std::string_view text) {
    ctx.err << "pelmora-cli: macro " << text << '\n';
    return kUsageStatus;
}

std::optional<std::size_t> findMacro(const MacroEditor& editor, std::string_view name) {
    for (std::size_t i = 0; i < editor.names().size(); ++i) {
        if (sameMacroName(editor.names()[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

// config.bin and the macro editor on record.ini with one macro selected, as
// a click on its name in the editor's list leaves them.
class SelectedMacro {
public:
    SelectedMacro() = default;
    SelectedMacro(const SelectedMacro&) = delete;
    SelectedMacro& operator=(const SelectedMacro&) = delete;

    // kOkStatus, or the status after a message: no settings, no such macro
    // (`command` names the subcommand in it).
    int open(CliContext& ctx, std::string_view command, const std::string& name) {
        if (const int status = loadSettings(ctx, session_); status != kOkStatus) {
            return status;
        }
        editor_.emplace(MacroStore(ctx.dataFolder().macroFile()), session_.settings.macroData,
                        Language::English);
        editor_->load(messages);
        const auto index = findMacro(*editor_, name);
        if (!index) {
            return usage(ctx,
                         std::string(command) + ": no macro \"" + name + "\" (see macro list)");
        }
        editor_->selectMacro(*index, messages);
        return kOkStatus;
    }
    MacroEditor& editor() { return *editor_; }
    MacroSession& session() { return session_; }

    CollectingSink messages; // the editor's, from loading on

private:
    MacroSession session_;
    std::optional<MacroEditor> editor_; // holds session_'s macro slots
};

std::optional<long> loopCount(std::string_view text) {
    const auto n = wholeNumber(text);
    return n && *n >= 1 && *n <= 65535 ? n : std::nullopt;
}

int addMacro(CliContext& ctx) {
    const std::string name = ctx.args[0];
    const std::string& loop = ctx.loop;
    const std::optional<std::string>& from = ctx.from;
    std::vector<std::string> typed(ctx.args.begin() + 1, ctx.args.end());
    if (!loopCount(loop)) {
        return usage(ctx, "add: loop count \"" + loop + "\" is not a number from 1 to 65535");
    }
    if (from) {
        std::string content;
        std::string error;
        if (!typed.empty()) {
            return usage(ctx, "add takes items or --from FILE, not both");
        }
        if (!readWholeFile(*from, content, error)) {
            return ctx.fail("cannot read " + *from + ": " + error);
        }
        std::istringstream lines(content);
        for (std::string line; std::getline(lines, line);) {
            while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
                line.pop_back();
            }
            if (!line.empty()) {
                typed.push_back(line);
            }
        }
    }
    if (typed.empty()) {
        return usage(ctx, "add: \"" + name + "\" needs at least one item");
    }
    std::vector<std::string> items;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const auto item = itemOf(typed[i]);
        if (!item) {
            return usage(ctx, "add: item " + std::to_string(i + 1) + " \"" + typed[i] +
                                  "\" is not KEY down, KEY up (a key name such as A, F5, "
                                  "L-Button) or N ms (0..10000); nothing was changed");
        }
        items.push_back(*item);
    }
    MacroSession session;
    if (const int status = loadSettings(ctx, session); status != kOkStatus) {
        return status;
    }
    CollectingSink messages;
    MacroEditor editor(MacroStore(ctx.dataFolder().macroFile()), session.settings.macroData,
                       Language::English);
    editor.load(messages);
    if (!messages.messages.empty()) {
        return ctx.fail("the macros cannot be read: " + messages.messages.front());
    }
    editor.setNameField(name);
    if (editor.nameField() != name || !editor.newMacro(messages)) {
        const std::string why = messages.messages.empty() ? "a macro name has at most 31 characters"
                                                          : messages.messages.front();
        return usage(ctx, "add: \"" + name + "\": " + why + "; nothing was changed");
    }
    editor.appendEvents(items);
    editor.setLoopField(loop, messages);
    editor.confirm(messages);
    for (const auto& message : messages.messages) {
        ctx.err << "pelmora-cli: macro \"" << name << "\": " << message << '\n';
    }
    return saveSettings(ctx, session);
}

int deleteMacro(CliContext& ctx) {
    const std::vector<std::string>& args = ctx.args;
    SelectedMacro macro;
    if (const int status = macro.open(ctx, "delete", args[0]); status != kOkStatus) {
        return status;
    }
    macro.editor().deleteMacro(macro.messages);
    if (!macro.messages.messages.empty()) {
        return ctx.fail("macro \"" + args[0] +
                        "\" was not deleted: " + macro.messages.messages.front());
    }
    MacroSession& session = macro.session();
    // The later macros move up a slot: their slots follow at once, so a
    // macro key keeps the slot number it names.
    MacroEncodeReport report;
    std::string error;
    if (!encodeMacros(ctx.dataFolder().macroFile(), session.settings.macroData, report, error)) {
        return ctx.fail("the macros cannot be read: " + error);
    }
    return saveSettings(ctx, session);
}

int loopMacro(CliContext& ctx) {
    const std::vector<std::string>& args = ctx.args;
    if (!loopCount(args[1])) {
        return usage(ctx, "loop: \"" + args[1] + "\" is not a number from 1 to 65535");
    }
    SelectedMacro macro;
    if (const int status = macro.open(ctx, "loop", args[0]); status != kOkStatus) {
        return status;
    }
    macro.editor().setLoopField(args[1], macro.messages);
    if (!macro.messages.messages.empty()) {
        return ctx.fail("the loop count was not saved: " + macro.messages.messages.front());
    }
    return saveSettings(ctx, macro.session());
}

} // namespace

int macroCommand(CliContext& ctx) {
    // The command line holds one of the four actions.
    if (ctx.action == "add") {
        return addMacro(ctx);
    }
    if (ctx.action == "delete") {
        return deleteMacro(ctx);
    }
    if (ctx.action == "loop") {
        return loopMacro(ctx);
    }
    return macrosCommand(ctx);
}

} // namespace pelmora::cli
