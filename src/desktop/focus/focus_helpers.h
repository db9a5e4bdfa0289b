#pragma once
// The desktop helpers shipped in the package that push focus changes over
// the bus: the KWin script (loaded by the program at start) and the GNOME
// Shell extensions (enabled by the user once).

#include <filesystem>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kKWinScriptName = "pelmora-focus";
// GNOME Shell 45 and later load extensions as modules, 43 and 44 as scripts:
// one extension cannot serve both, so there are two.
inline constexpr std::string_view kGnomeExtensionUuid = "pelmora@pelmora.org";
inline constexpr std::string_view kGnomeLegacyExtensionUuid = "pelmora-legacy@pelmora.org";
inline constexpr int kGnomeFirstModuleShell = 45;

// The KWin script beside the program (the build tree) or in its installed
// data folder; empty when neither holds it.
std::filesystem::path kwinFocusScript();
// The extension for a GNOME Shell of major version `shellMajor`.
std::string_view gnomeExtensionUuidFor(int shellMajor);
// The folders the shell takes `uuid` from that hold it: the user's
// ($XDG_DATA_HOME/gnome-shell/extensions) and the system's ($XDG_DATA_DIRS).
std::vector<std::filesystem::path> gnomeExtensionFolders(std::string_view uuid);

} // namespace pelmora
