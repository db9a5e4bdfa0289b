#include "app/app_options.h"

#include <array>

namespace pelmora {

namespace {

struct ValueOption {
    std::string_view name;
    std::optional<std::filesystem::path> AppOptions::*field;
};

constexpr std::array kValueOptions{
    ValueOption{"--data-dir", &AppOptions::dataDir},
    ValueOption{"--sim-state", &AppOptions::simState},
    ValueOption{"--sim-control", &AppOptions::simControl},
};

struct FlagOption {
    std::string_view name;
    bool AppOptions::*field;
};

constexpr std::array kFlagOptions{
    FlagOption{"--simulate", &AppOptions::simulate},
    FlagOption{"--show", &AppOptions::show},
    FlagOption{"--autostart", &AppOptions::autostart},
    FlagOption{"--help", &AppOptions::help},
    FlagOption{"-h", &AppOptions::help},
};

} // namespace

bool parseAppOptions(const std::vector<std::string>& args, AppOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool known = false;
        for (const FlagOption& flag : kFlagOptions) {
            if (arg == flag.name) {
                options.*flag.field = true;
                known = true;
            }
        }
        for (const ValueOption& opt : kValueOptions) {
            const std::string prefix = std::string(opt.name) + "=";
            if (arg == opt.name) {
                if (i + 1 >= args.size() || args[i + 1].empty()) {
                    error = std::string(opt.name) + " needs a value";
                    return false;
                }
                options.*opt.field = std::filesystem::path(args[++i]);
                known = true;
            } else if (arg.starts_with(prefix)) {
                if (arg.size() == prefix.size()) {
                    error = std::string(opt.name) + " needs a value";
                    return false;
                }
                options.*opt.field = std::filesystem::path(arg.substr(prefix.size()));
                known = true;
            }
        }
        if (!known) {
            error = "unknown option: " + arg;
            return false;
        }
    }
    return true;
}

std::string_view appUsageText() {
    return "Usage: pelmora [options]\n"
           "Sets up the gaming mouse 04d9:a09f from the notification area.\n"
           "\n"
           "  --data-dir DIR      folder of config.bin, str.ini, record.ini and Skins/\n"
           "                      (default: $PELMORA_DATA_DIR, else the program's folder\n"
           "                      when it holds them, else ~/.config/pelmora)\n"
           "  --simulate          use the simulated mouse instead of the real one\n"
           "  --sim-state FILE    where the simulated mouse keeps its state\n"
           "  --sim-control PATH  control socket of the simulated mouse (events, unplug)\n"
           "  --show              start with the window shown\n"
           "  --autostart         started with the session: without a tray the window\n"
           "                      stays closed until the program is started again\n"
           "  --help              this text\n";
}

} // namespace pelmora
