#include "cli/cli.h"

#include "cli/cli_context.h"
#include "cli/command_help.h"
#include "cli/stderr_sink.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <iostream>
#include <ostream>
#include <sstream>
#include <string>

namespace pelmora::cli {

namespace {

using AddOptions = void (*)(CLI::App&, CliContext&);

struct Command {
    std::string_view name;
    std::string_view synopsis; // shown by --help
    std::string_view summary;
    CommandHandler handler;
    AddOptions addOptions; // the command's own options and arguments
};

void noOptions(CLI::App&, CliContext&) {}

void addSensorOption(CLI::App& command, CliContext& ctx) {
    command.add_option("--sensor", ctx.sensorType, "label the DPI levels for this sensor type")
        ->type_name("TYPE")
        ->check(CLI::Range(0, 255));
}

// The command's arguments: at least `min`, at most `max` (-1: any number).
void addArguments(CLI::App& command, CliContext& ctx, const std::string& name, int min, int max) {
    auto* option = command.add_option(name, ctx.args)->expected(min, max);
    if (min > 0) {
        option->required();
    }
}

struct Action {
    const char* name;
    const char* arguments;
    int min;
    int max;
};

// The actions of a command (macro, profile), each with its arguments.
template <std::size_t N>
void addActions(CLI::App& command, CliContext& ctx, const std::array<Action, N>& actions) {
    command.require_subcommand(1);
    for (const Action& action : actions) {
        CLI::App* sub = command.add_subcommand(action.name);
        sub->parse_complete_callback([&ctx, sub] { ctx.action = sub->get_name(); });
        if (action.max != 0) {
            addArguments(*sub, ctx, action.arguments, action.min, action.max);
        }
    }
}

void addMacroActions(CLI::App& command, CliContext& ctx) {
    addActions(command, ctx,
               std::array{Action{"list", "", 0, 0}, Action{"add", "NAME ITEM", 1, -1},
                          Action{"delete", "NAME", 1, 1}, Action{"loop", "NAME N", 2, 2}});
    CLI::App* add = command.get_subcommand("add");
    add->add_option("--loop", ctx.loop, "the repeat count (1..65535)")->type_name("N");
    add->add_option("--from", ctx.from, "read one item a line")->type_name("FILE");
}

void addProfileActions(CLI::App& command, CliContext& ctx) {
    addActions(command, ctx,
               std::array{Action{"list", "", 0, 0}, Action{"save", "NAME", 1, 1},
                          Action{"use", "NAME", 1, 1}, Action{"show", "NAME SETTING", 1, 2},
                          Action{"delete", "NAME", 1, 1}, Action{"rename", "OLD NEW", 2, 2},
                          Action{"match", "NAME ID", 2, -1}, Action{"unmatch", "NAME ID", 2, -1},
                          Action{"focus", "", 0, 0}});
    command.get_subcommand("list")->add_flag("--json", ctx.json, "one JSON object");
    command.get_subcommand("show")->add_flag("--json", ctx.json, "one JSON object");
    addSensorOption(*command.get_subcommand("show"), ctx);
}

// Every command, in the order --help lists them.
constexpr std::array kCommands{
    Command{"get", "get [--json] [NAME]", "the settings in words (NAME=VALUE)", getCommand,
            [](CLI::App& c, CliContext& ctx) {
                c.add_flag("--json", ctx.json, "one JSON object");
                addSensorOption(c, ctx);
                addArguments(c, ctx, "NAME", 0, 1);
            }},
    Command{"set", "set [--apply] WORD...", "change settings: NAME=VALUE or default", setCommand,
            [](CLI::App& c, CliContext& ctx) {
                c.add_flag("--apply", ctx.apply, "then send the result to the mouse");
                addSensorOption(c, ctx);
                addArguments(c, ctx, "WORD", 1, -1);
            }},
    Command{"export", "export FILE", "the whole configuration as one JSON profile", exportCommand,
            [](CLI::App& c, CliContext& ctx) { addArguments(c, ctx, "FILE", 1, 1); }},
    Command{"import", "import FILE", "replace the configuration by a profile", importCommand,
            [](CLI::App& c, CliContext& ctx) { addArguments(c, ctx, "FILE", 1, 1); }},
    Command{"profile", "profile list|save|use|show|delete|rename|match|unmatch|focus",
            "the named profiles of the data folder", profileCommand, addProfileActions},
    Command{"macro", "macro list|add|delete|loop", "edit the macros as the macro editor does",
            macroCommand, addMacroActions},
    Command{"show", "show", "the settings block of config.bin as JSON", showCommand, noOptions},
    Command{"matrices", "matrices", "the four key matrices Apply would send", matricesCommand,
            noOptions},
    Command{"encode-macros", "encode-macros [--save]", "record.ini as the twelve macro slots",
            encodeMacrosCommand,
            [](CLI::App& c, CliContext& ctx) {
                c.add_flag("--save", ctx.save, "write the slots into config.bin");
            }},
    Command{"macros", "macros", "the macros of record.ini in slot order", macrosCommand, noOptions},
    Command{"devices", "devices", "the mouse's HID collections found", devicesCommand, noOptions},
    Command{"read", "read", "the mouse's basic settings and DPI table", readCommand, noOptions},
    Command{"apply", "apply", "send config.bin to the mouse like OK", applyCommand, noOptions},
    Command{"listen", "listen", "print the mouse's events until Ctrl+C", listenCommand, noOptions},
    Command{"doctor", "doctor [--json]", "why the mouse does not work, and what to do",
            doctorCommand, [](CLI::App& c, CliContext& ctx) { c.add_flag("--json", ctx.json); }},
};

std::string helpText() {
    std::ostringstream out;
    out << "usage: pelmora-cli [--data-dir DIR] [--simulate] [--sim-state FILE]\n"
           "                   [--sim-control PATH] [--trace] COMMAND [ARGS]\n\n"
           "Configures the gaming mouse 04d9:a09f without a window.\n\n"
           "commands (pelmora-cli COMMAND --help for each):\n";
    for (const auto& command : kCommands) {
        std::string synopsis(command.synopsis);
        synopsis.resize(std::max<std::size_t>(synopsis.size() + 2, 24), ' ');
        out << "  " << synopsis << command.summary << '\n';
    }
    out << "\noptions (--opt VALUE or --opt=VALUE):\n"
           "  --data-dir DIR       folder of config.bin, record.ini, str.ini and Skins/\n"
           "                       (default: $PELMORA_DATA_DIR, else the program's folder\n"
           "                       when it holds them, else ~/.config/pelmora)\n"
           "  --simulate           talk to the simulated mouse instead of the real one\n"
           "  --sim-state FILE     load and keep the simulated mouse's state in FILE\n"
           "  --sim-control PATH   named pipe for the simulated mouse: event T V, unplug, plug\n"
           "  --trace              print every HID operation on standard output\n"
           "  --version            the version and the licence\n";
    return out.str();
}

// The help of the program, or of the command `app` belongs to.
std::string helpOf(const CLI::App* app) {
    if (app->get_parent() == nullptr) {
        return helpText();
    }
    while (app->get_parent()->get_parent() != nullptr) {
        app = app->get_parent();
    }
    return std::string(commandHelp(app->get_name()));
}

} // namespace

int CliContext::fail(std::string_view message) const {
    err << "pelmora-cli: " << message << '\n';
    return kFailedStatus;
}

bool CliContext::loadSettings(SettingsBlock& settings, std::uint8_t& flag,
                              std::string_view consequence, std::string_view missing) const {
    StderrSink sink(err);
    const auto file = dataFolder().settingsFile();
    // A missing file is told with its path and where to restore it from, in
    // the language the window uses.
    const Language language = languageFromCode(readLanguageCode(dataFolder().preferencesFile()));
    switch (loadSettingsFile(file, settings, flag, sink, language)) {
    case LoadResult::Loaded:
        return true;
    case LoadResult::WrongSize:
        fail(file.string() + " is not 1850 bytes long; " + std::string(consequence));
        return false;
    default:
        if (!missing.empty()) {
            fail(missing);
        }
        return false;
    }
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CliContext ctx(out, err);
    CLI::App app("Configures the gaming mouse 04d9:a09f without a window.", "pelmora-cli");
    app.formatter_fn(
        [](const CLI::App* of, std::string, CLI::AppFormatMode) { return helpOf(of); });
    addCommonOptions(app, ctx.common);
    app.add_flag("--trace", ctx.trace, "print every HID operation on standard output");
    addVersionOption(app, "pelmora-cli");
    app.require_subcommand(1);
    CommandHandler handler = nullptr;
    for (const auto& command : kCommands) {
        CLI::App* sub = app.add_subcommand(std::string(command.name), std::string(command.summary));
        command.addOptions(*sub, ctx);
        sub->parse_complete_callback([&handler, &command] { handler = command.handler; });
    }
    if (const auto status = parseCommandLine(app, "pelmora-cli", args, out, err)) {
        return *status;
    }
    return handler(ctx);
}

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return run(args, std::cout, std::cerr);
}

} // namespace pelmora::cli
