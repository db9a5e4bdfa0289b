#include "desktop/pointer_backend.h"

#include "base/environment.h"
#include "base/ini_file.h"
#include "desktop/gnome_pointer_settings.h"
#include "desktop/kde_change_notice.h"
#include "desktop/kde_pointer_settings.h"
#include "desktop/private_bus.h"

#include <array>
#include <filesystem>

namespace pelmora {

namespace {

// Desktops that use GNOME's settings.
constexpr std::array<std::string_view, 7> kGnomeDesktops = {
    "GNOME", "GNOME-Classic", "GNOME-Flashback", "Budgie", "Pantheon", "Unity", "ubuntu"};
// Desktops with settings of their own that GNOME's would not reach.
constexpr std::array<std::string_view, 9> kOtherDesktops = {
    "XFCE", "X-Cinnamon", "Cinnamon", "MATE", "LXQt", "LXDE", "Enlightenment", "Deepin", "DDE"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view n : names) {
        if (iniNamesEqual(n, name)) {
            return true;
        }
    }
    return false;
}

} // namespace

PointerEnvironment PointerEnvironment::fromProcess() {
    PointerEnvironment env;
    env.currentDesktop = environmentValue("XDG_CURRENT_DESKTOP");
    env.backendOverride = environmentValue("PELMORA_POINTER_BACKEND");
    const std::string configHome = environmentValue("XDG_CONFIG_HOME");
    if (!configHome.empty() && configHome.front() == '/') {
        env.configHome = configHome;
    } else {
        env.configHome = std::filesystem::path(environmentValue("HOME")) / ".config";
    }
    env.busAddress = sessionBusAddress();
    return env;
}

PointerBackend choosePointerBackend(std::string_view currentDesktop,
                                    std::string_view backendOverride, bool gnomeSchemaInstalled,
                                    std::string& note) {
    if (!backendOverride.empty()) {
        if (iniNamesEqual(backendOverride, "kde")) {
            return PointerBackend::Kde;
        }
        if (iniNamesEqual(backendOverride, "none")) {
            return PointerBackend::None;
        }
        if (iniNamesEqual(backendOverride, "gnome")) {
            if (gnomeSchemaInstalled) {
                return PointerBackend::Gnome;
            }
            note = "PELMORA_POINTER_BACKEND=gnome, but the GNOME mouse schema is not installed";
            return PointerBackend::None;
        }
        note = "PELMORA_POINTER_BACKEND must be gnome, kde or none; ignored";
    }
    // A colon-separated list, most specific first.
    bool gnome = false;
    bool other = false;
    std::string_view rest = currentDesktop;
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view name = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        if (iniNamesEqual(name, "KDE")) {
            return PointerBackend::Kde;
        }
        gnome = gnome || listed(kGnomeDesktops, name);
        other = other || listed(kOtherDesktops, name);
    }
    if (!gnomeSchemaInstalled || currentDesktop.empty() || (other && !gnome)) {
        return PointerBackend::None;
    }
    return PointerBackend::Gnome;
}

std::unique_ptr<PointerSettings> makePointerSettings(const PointerEnvironment& env,
                                                     std::string& note) {
    std::string why;
    const PointerBackend backend = choosePointerBackend(env.currentDesktop, env.backendOverride,
                                                        gnomeMouseSchemaInstalled(), why);
    switch (backend) {
    case PointerBackend::Kde:
        note = "pointer settings: KDE Plasma (" + (env.configHome / "kdeglobals").string() + ")";
        return std::make_unique<KdePointerSettings>(env.configHome, env.busAddress);
    case PointerBackend::Gnome:
        if (auto gnome = GnomePointerSettings::openSession(why)) {
            note = "pointer settings: GNOME";
            return gnome;
        }
        break;
    case PointerBackend::None:
        break;
    }
    note = "pointer settings: none" + (why.empty() ? std::string() : " (" + why + ")");
    return std::make_unique<NoPointerSettings>();
}

} // namespace pelmora
