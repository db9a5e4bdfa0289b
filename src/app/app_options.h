#pragma once
// Command-line options of the desktop program.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

struct AppOptions {
    std::optional<std::filesystem::path> dataDir;    // --data-dir DIR
    bool simulate = false;                           // --simulate
    std::optional<std::filesystem::path> simState;   // --sim-state FILE
    std::optional<std::filesystem::path> simControl; // --sim-control PATH
    bool show = false;                               // --show: start with the window shown
    bool autostart = false;                          // --autostart: started with the session
    bool help = false;                               // --help
};

// Reads the arguments after the program name. Returns false with a one-line
// `error` for an unknown option or a missing value. Arguments Qt itself
// understands (-platform, -display, ...) must have been removed by QApplication.
bool parseAppOptions(const std::vector<std::string>& args, AppOptions& options, std::string& error);

// What --help prints.
std::string_view appUsageText();

} // namespace pelmora
