#include "base/common_options.h"

#include <CLI/CLI.hpp>

#include <ostream>

#ifndef PELMORA_VERSION
#error "PELMORA_VERSION comes from the project's version in CMakeLists.txt"
#endif

namespace pelmora {

namespace {

// A path option refuses an empty value ("--data-dir=").
const CLI::Validator kNotEmpty(
    [](const std::string& value) { return value.empty() ? std::string("needs a value") : ""; }, "",
    "not empty");

// The command that was parsed last: "" for the program, else "macro add".
const CLI::App* deepestCommand(const CLI::App& app) {
    const CLI::App* leaf = &app;
    while (!leaf->get_subcommands().empty()) {
        leaf = leaf->get_subcommands().front();
    }
    return leaf;
}

std::string commandPath(const CLI::App* app) {
    std::string path;
    for (; app->get_parent() != nullptr; app = app->get_parent()) {
        path = app->get_name() + (path.empty() ? "" : " ") + path;
    }
    return path;
}

// "list, add, delete or loop": the commands `app` offers.
std::string choices(const CLI::App& app) {
    const auto commands = app.get_subcommands([](const CLI::App*) { return true; });
    std::string text;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == commands.size() ? " or " : ", ") + commands[i]->get_name();
    }
    return text;
}

// One line: what was wrong, and where to read what is accepted.
std::string errorLine(const CLI::App& app, const CLI::ParseError& error) {
    const CLI::App* leaf = deepestCommand(app);
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        // The command the unexpected arguments were given to.
        while (leaf->remaining().empty() && leaf->get_parent() != nullptr) {
            leaf = leaf->get_parent();
        }
    }
    const std::string path = commandPath(leaf);
    const std::string help = path.empty() ? " (see --help)" : " (see " + path + " --help)";
    if (dynamic_cast<const CLI::RequiredError*>(&error) == nullptr ||
        leaf->get_require_subcommand_min() == 0 || !leaf->get_subcommands().empty()) {
        return (path.empty() ? "" : path + ": ") + error.what() + help;
    }
    const auto extra = leaf->remaining();
    const bool named = !extra.empty() && !extra.front().starts_with("-");
    if (path.empty()) {
        return (named ? "unknown command " + extra.front() : std::string("no command given")) +
               help;
    }
    return path + (named ? ": \"" + extra.front() + "\" is not " : " needs ") + choices(*leaf) +
           help;
}

} // namespace

void addSimulatedMouseOptions(CLI::App& app, CommonOptions& options) {
    app.add_option("--sim-state", options.simState,
                   "load and keep the simulated mouse's state in FILE")
        ->type_name("FILE")
        ->check(kNotEmpty);
    app.add_option("--sim-control", options.simControl,
                   "named pipe for the simulated mouse: event T V, unplug, plug")
        ->type_name("PATH")
        ->check(kNotEmpty);
}

void addCommonOptions(CLI::App& app, CommonOptions& options) {
    app.add_option("--data-dir", options.dataDir,
                   "folder of config.bin, record.ini, str.ini and Skins/")
        ->type_name("DIR")
        ->check(kNotEmpty);
    app.add_flag("--simulate", options.simulate,
                 "talk to the simulated mouse instead of the real one");
    addSimulatedMouseOptions(app, options);
}

std::string versionText(std::string_view program) {
    return std::string(program) + " " PELMORA_VERSION "\n"
                                  "License GPL-3.0-or-later: GNU GPL version 3 or later "
                                  "<https://gnu.org/licenses/gpl.html>\n"
                                  "This is free software: you are free to change and "
                                  "redistribute it. There is NO WARRANTY, to the extent "
                                  "permitted by law.\n";
}

void addVersionOption(CLI::App& app, std::string_view program) {
    app.set_version_flag("--version", versionText(program), "the version and the licence");
}

std::optional<int> parseCommandLine(CLI::App& app, std::string_view program,
                                    const std::vector<std::string>& args, std::ostream& out,
                                    std::ostream& err) {
    try {
        app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kOptionsOkStatus;
    } catch (const CLI::CallForVersion& version) {
        out << version.what();
        return kOptionsOkStatus;
    } catch (const CLI::ParseError& error) {
        err << program << ": " << errorLine(app, error) << '\n';
        return kOptionsUsageStatus;
    }
    return std::nullopt;
}

} // namespace pelmora
