#include "cli/cli.h"

#include "cli/cli_context.h"
#include "cli/command_help.h"
#include "cli/stderr_sink.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <ostream>
#include <string>

namespace pelmora::cli {

namespace {

// Every command, in the order --help lists them.
constexpr std::array kCommands{
    Command{"get", "get [--json] [NAME]", "the settings in words (NAME=VALUE)", getCommand},
    Command{"set", "set [--apply] WORD...", "change settings: NAME=VALUE or default", setCommand},
    Command{"export", "export FILE", "the whole configuration as one JSON profile", exportCommand},
    Command{"import", "import FILE", "replace the configuration by a profile", importCommand},
    Command{"macro", "macro list|add|delete|loop", "edit the macros as the macro editor does",
            macroCommand},
    Command{"show", "show", "the settings block of config.bin as JSON", showCommand},
    Command{"matrices", "matrices", "the four key matrices Apply would send", matricesCommand},
    Command{"encode-macros", "encode-macros [--save]", "record.ini as the twelve macro slots",
            encodeMacrosCommand},
    Command{"macros", "macros", "the macros of record.ini in slot order", macrosCommand},
    Command{"devices", "devices", "the mouse's HID collections found", devicesCommand},
    Command{"read", "read", "the mouse's basic settings and DPI table", readCommand},
    Command{"apply", "apply", "send config.bin to the mouse like OK", applyCommand},
    Command{"listen", "listen", "print the mouse's events until Ctrl+C", listenCommand},
    Command{"doctor", "doctor [--json]", "why the mouse does not work, and what to do",
            doctorCommand},
};

void printHelp(std::ostream& out) {
    out << "usage: pelmora-cli [--data-dir DIR] [--simulate] [--sim-state FILE]\n"
           "                   [--sim-control PATH] [--trace] COMMAND [ARGS]\n\n"
           "Configures the gaming mouse 04d9:a09f without a window.\n\n"
           "commands (pelmora-cli COMMAND --help for each):\n";
    for (const auto& command : kCommands) {
        std::string synopsis(command.synopsis);
        synopsis.resize(std::max<std::size_t>(synopsis.size() + 2, 24), ' ');
        out << "  " << synopsis << command.summary << '\n';
    }
    out << "\noptions:\n"
           "  --data-dir DIR       folder of config.bin, record.ini, str.ini and Skins/\n"
           "                       (default: $PELMORA_DATA_DIR, else the program's folder\n"
           "                       when it holds them, else ~/.config/pelmora)\n"
           "  --simulate           talk to the simulated mouse instead of the real one\n"
           "  --sim-state FILE     load and keep the simulated mouse's state in FILE\n"
           "  --sim-control PATH   named pipe for the simulated mouse: event T V, unplug, plug\n"
           "  --trace              print every HID operation on standard output\n";
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
    switch (loadSettingsFile(file, settings, flag, sink)) {
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
    std::size_t i = 0;
    auto value = [&](std::string_view option) -> const std::string* {
        if (i + 1 >= args.size()) {
            err << "pelmora-cli: " << option << " needs a value\n";
            return nullptr;
        }
        return &args[++i];
    };
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp(out);
            return kOkStatus;
        }
        if (arg == "--data-dir") {
            const auto* v = value(arg);
            if (!v)
                return kUsageStatus;
            ctx.dataDirOption = *v;
        } else if (arg == "--sim-state") {
            const auto* v = value(arg);
            if (!v)
                return kUsageStatus;
            ctx.simState = *v;
            ctx.simulate = true;
        } else if (arg == "--sim-control") {
            const auto* v = value(arg);
            if (!v)
                return kUsageStatus;
            ctx.simControl = *v;
            ctx.simulate = true;
        } else if (arg == "--simulate") {
            ctx.simulate = true;
        } else if (arg == "--trace") {
            ctx.trace = true;
        } else if (arg.starts_with("-")) {
            err << "pelmora-cli: unknown option " << arg << " (see --help)\n";
            return kUsageStatus;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        err << "pelmora-cli: no command given (see --help)\n";
        return kUsageStatus;
    }
    const std::string& name = args[i];
    ctx.args.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    for (const auto& command : kCommands) {
        if (command.name == name) {
            if (!ctx.args.empty() && (ctx.args[0] == "--help" || ctx.args[0] == "-h")) {
                out << commandHelp(command.name);
                return kOkStatus;
            }
            return command.handler(ctx);
        }
    }
    err << "pelmora-cli: unknown command " << name << " (see --help)\n";
    return kUsageStatus;
}

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return run(args, std::cout, std::cerr);
}

} // namespace pelmora::cli
