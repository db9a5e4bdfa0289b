#include "desktop/focus/focus_helpers.h"

#include "settings/data_folder.h"
#include "settings/user_data_folder.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace pelmora {

namespace {

std::filesystem::path xdgOr(const char* variable, const std::filesystem::path& fallback) {
    const char* value = std::getenv(variable);
    if (value && *value == '/') {
        return value;
    }
    return fallback;
}

} // namespace

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
    const char* home = std::getenv("HOME");
    std::vector<std::filesystem::path> roots{
        xdgOr("XDG_DATA_HOME", std::filesystem::path(home ? home : "/") / ".local/share")};
    std::string dirs = std::getenv("XDG_DATA_DIRS") ? std::getenv("XDG_DATA_DIRS") : "";
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
