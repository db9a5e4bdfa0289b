#pragma once
// The command-line options both programs take (the data folder and the
// simulated mouse), --version, and the way a parse ends: help, version or a
// one-line error with status 2.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

namespace pelmora {

struct CommonOptions {
    std::optional<std::filesystem::path> dataDir;    // --data-dir DIR
    bool simulate = false;                           // --simulate
    std::optional<std::filesystem::path> simState;   // --sim-state FILE
    std::optional<std::filesystem::path> simControl; // --sim-control PATH

    // --sim-state and --sim-control imply --simulate.
    bool simulated() const { return simulate || simState || simControl; }
};

// Status of a command line that asks for help or for the version, or holds
// no error; and of one that does not parse.
inline constexpr int kOptionsOkStatus = 0;
inline constexpr int kOptionsUsageStatus = 2;

// Adds --data-dir, --simulate, --sim-state and --sim-control to `app`.
void addCommonOptions(CLI::App& app, CommonOptions& options);
// Adds --sim-state and --sim-control alone (the virtual mouse is always simulated).
void addSimulatedMouseOptions(CLI::App& app, CommonOptions& options);
// Adds --version, printing versionText(program).
void addVersionOption(CLI::App& app, std::string_view program);
// "pelmora 0.1.0", then the licence and the absence of warranty.
std::string versionText(std::string_view program);

// Parses `args` (without the program name) into the options `app` was given.
// --help prints app's help on `out`, --version the version; an error prints
// "PROGRAM: MESSAGE" on `err`. Returns a status to end with, or nothing when
// the program goes on.
std::optional<int> parseCommandLine(CLI::App& app, std::string_view program,
                                    const std::vector<std::string>& args, std::ostream& out,
                                    std::ostream& err);

} // namespace pelmora
