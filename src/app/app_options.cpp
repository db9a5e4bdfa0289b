#include "app/app_options.h"

#include <CLI/CLI.hpp>

namespace pelmora {

std::optional<int> parseAppOptions(const std::vector<std::string>& args, AppOptions& options,
                                   std::ostream& out, std::ostream& err) {
    CLI::App app("Sets up the gaming mouse 04d9:a09f from the notification area.", "pelmora");
    app.formatter_fn([](const CLI::App*, std::string, CLI::AppFormatMode) {
        return std::string(appUsageText());
    });
    addCommonOptions(app, options.common);
    app.add_flag("--show", options.show, "start with the window shown");
    app.add_flag("--autostart", options.autostart,
                 "started with the session: without a tray the window stays closed");
    app.add_option("--trace", options.trace, "write every exchange with the mouse into FILE");
    addVersionOption(app, "pelmora");
    return parseCommandLine(app, "pelmora", args, out, err);
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
           "  --trace FILE        write every exchange with the mouse into FILE, one\n"
           "                      line each, as pelmora-cli --trace prints them\n"
           "  --version           the version and the licence\n"
           "  --help              this text\n"
           "\n"
           "An option's value follows it (--data-dir DIR) or is joined by \"=\" "
           "(--data-dir=DIR).\n";
}

} // namespace pelmora
