#pragma once
// What every pelmora-cli command gets: the global options, its own options
// and arguments, and the two output streams.

#include "base/common_options.h"
#include "settings/data_folder.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelmora::cli {

// Exit statuses: success, a failure (one line on stderr), bad usage.
inline constexpr int kOkStatus = 0;
inline constexpr int kFailedStatus = 1;
inline constexpr int kUsageStatus = 2;

struct CliContext {
    CliContext(std::ostream& output, std::ostream& errors) : out(output), err(errors) {}

    CommonOptions common;          // --data-dir, --simulate, --sim-state, --sim-control
    bool trace = false;            // --trace
    std::string action;            // the action of macro or profile (list, add, ...)
    std::vector<std::string> args; // the command's arguments, without its options
    // The commands' own options.
    bool json = false;               // get, doctor and profile list --json
    bool apply = false;              // set --apply
    int sensorType = 0;              // get and set --sensor TYPE
    bool save = false;               // encode-macros --save
    std::string loop = "1";          // macro add --loop N
    std::optional<std::string> from; // macro add --from FILE
    std::ostream& out;
    std::ostream& err;

    DataFolder dataFolder() const { return DataFolder::resolve(common.dataDir); }
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
int profileCommand(CliContext& ctx);
// profile focus: prints the running pelmora's focus changes until Ctrl+C.
int focusWatch(CliContext& ctx);
int doctorCommand(CliContext& ctx);

// apply without its argument check: config.bin to the mouse as OK does.
// `reached` tells whether the mouse was found and the transfer ran (it may
// still have lost writes).
int applyToMouse(CliContext& ctx, bool& reached);

// The settings in words as get prints them: NAME=VALUE lines, or one JSON
// object with --json; only the setting `only` when it is not empty (an
// unknown one is refused in `command`'s name with the usage status).
int writeSettingWords(CliContext& ctx, std::vector<std::pair<std::string, std::string>> words,
                      std::string_view command, std::string_view only = {});

} // namespace pelmora::cli
