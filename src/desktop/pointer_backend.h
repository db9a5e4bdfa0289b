#pragma once
// Which desktop's pointer settings this session has: KDE Plasma when
// XDG_CURRENT_DESKTOP names KDE; GNOME for GNOME and the desktops that share
// its settings (Budgie, Pantheon, Unity), and for any other session with
// the GNOME mouse schema installed; none for a bare X server and for the
// desktops known to keep their own settings. PELMORA_POINTER_BACKEND=gnome,
// kde or none overrides the choice.
//
// On the map (docs/ARCHITECTURE.md): src/desktop, above src/settings; the
// pointer part of the advanced page and `pelmora-cli set --apply` use it.

#include "desktop/pointer_settings.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace pelmora {

enum class PointerBackend : std::uint8_t { Gnome, Kde, None };

struct PointerEnvironment {
    std::string currentDesktop;       // XDG_CURRENT_DESKTOP
    std::string backendOverride;      // PELMORA_POINTER_BACKEND
    std::filesystem::path configHome; // $XDG_CONFIG_HOME, else ~/.config
    std::string busAddress;           // the session bus, if any

    static PointerEnvironment fromProcess();
};

// `note` says why an override was not followed.
PointerBackend choosePointerBackend(std::string_view currentDesktop,
                                    std::string_view backendOverride, bool gnomeSchemaInstalled,
                                    std::string& note);

// The settings of the session's desktop; NoPointerSettings when none fits.
// `note` says what was chosen and why, for a log line.
std::unique_ptr<PointerSettings> makePointerSettings(const PointerEnvironment& env,
                                                     std::string& note);

} // namespace pelmora
