#pragma once
// Command-line options of the desktop program.

#include "base/common_options.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

struct AppOptions {
    CommonOptions common;   // --data-dir, --simulate, --sim-state, --sim-control
    bool show = false;      // --show: start with the window shown
    bool autostart = false; // --autostart: started with the session
    // --trace FILE: every exchange with the mouse, as pelmora-cli --trace prints it
    std::optional<std::filesystem::path> trace;
};

// Reads the arguments after the program name. --help and --version print on
// `out`; an unknown option or a missing value gets one line on `err`. Returns
// the status to end with then, or nothing when the program goes on.
// Arguments Qt itself understands (-platform, -display, ...) must have been
// removed by QApplication.
std::optional<int> parseAppOptions(const std::vector<std::string>& args, AppOptions& options,
                                   std::ostream& out, std::ostream& err);

// What --help prints.
std::string_view appUsageText();

} // namespace pelmora
