#pragma once
// What every pelmora-cli command gets: the global options, the remaining
// arguments and the two output streams.

#include "settings/data_folder.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::cli {

// Exit statuses: success, a failure (one line on stderr), bad usage.
inline constexpr int kOkStatus = 0;
inline constexpr int kFailedStatus = 1;
inline constexpr int kUsageStatus = 2;

struct CliContext {
    CliContext(std::ostream& output, std::ostream& errors) : out(output), err(errors) {}

    std::optional<std::filesystem::path> dataDirOption; // --data-dir
    bool simulate = false;                              // --simulate
    std::optional<std::filesystem::path> simState;      // --sim-state FILE
    std::optional<std::filesystem::path> simControl;    // --sim-control PATH
    bool trace = false;                                 // --trace
    std::vector<std::string> args;                      // after the command name
    std::ostream& out;
    std::ostream& err;

    DataFolder dataFolder() const { return DataFolder::resolve(dataDirOption); }
    // One-line failure message on stderr; returns the failure status.
    int fail(std::string_view message) const;
    // Reads config.bin. A file of the wrong size gets a failure line ending
    // in `consequence`; one that is missing or unreadable has been reported
    // by the reader, or gets `missing` when that is not empty.
    bool loadSettings(SettingsBlock& settings, std::uint8_t& flag,
                      std::string_view consequence = "it holds no settings",
                      std::string_view missing = {}) const;
};

using CommandHandler = int (*)(CliContext&);

struct Command {
    std::string_view name;
    std::string_view synopsis; // shown by --help
    std::string_view summary;
    CommandHandler handler;
};

// Handlers, one file per group of commands.
int showCommand(CliContext& ctx);
int matricesCommand(CliContext& ctx);
int encodeMacrosCommand(CliContext& ctx);
int macrosCommand(CliContext& ctx);
int devicesCommand(CliContext& ctx);
int readCommand(CliContext& ctx);
int applyCommand(CliContext& ctx);
int listenCommand(CliContext& ctx);
int getCommand(CliContext& ctx);
int setCommand(CliContext& ctx);
int exportCommand(CliContext& ctx);
int importCommand(CliContext& ctx);
int macroCommand(CliContext& ctx);
int doctorCommand(CliContext& ctx);

// apply without its argument check: config.bin to the mouse as OK does.
// `reached` tells whether the mouse was found and the transfer ran (it may
// still have lost writes).
int applyToMouse(CliContext& ctx, bool& reached);

} // namespace pelmora::cli
