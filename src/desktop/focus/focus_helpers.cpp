#include "desktop/focus/focus_helpers.h"

#include "base/environment.h"
#include "settings/data_folder.h"
#include "settings/user_data_folder.h"

#include <algorithm>
#include <string>
#include <system_error>

namespace pelmora {

std::filesystem::path kwinFocusScript() {
    const std::string file = std::string(kKWinScriptName) + ".js";
    const std::filesystem::path exe = executableFolder();
    for (const auto& candidate : {exe / "kwin" / file, installedDataFolder(exe) / "kwin" / file}) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

std::string_view gnomeExtensionUuidFor(int shellMajor) {
    return shellMajor >= kGnomeFirstModuleShell ? kGnomeExtensionUuid : kGnomeLegacyExtensionUuid;
}

std::vector<std::filesystem::path> gnomeExtensionFolders(std::string_view uuid) {
    std::vector<std::filesystem::path> roots{userDataHome()};
    std::string dirs = environmentValue("XDG_DATA_DIRS");
    if (dirs.empty()) {
        dirs = "/usr/local/share:/usr/share";
    }
    for (std::size_t at = 0; at <= dirs.size();) {
        const std::size_t end = std::min(dirs.find(':', at), dirs.size());
        if (end > at) {
            roots.emplace_back(dirs.substr(at, end - at));
        }
        at = end + 1;
    }
    std::vector<std::filesystem::path> found;
    for (const std::filesystem::path& root : roots) {
        const std::filesystem::path folder = root / "gnome-shell" / "extensions" / uuid;
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / "metadata.json", error)) {
            found.push_back(folder);
        }
    }
    return found;
}

} // namespace pelmora
