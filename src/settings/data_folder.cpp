#include "settings/data_folder.h"

#include "settings/user_data_folder.h"

#include <cstdlib>
#include <system_error>

namespace pelmora {

std::filesystem::path executableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) {
        return std::filesystem::current_path(ec);
    }
    return exe.parent_path();
}

DataFolder DataFolder::locate(const std::optional<std::filesystem::path>& option) {
    if (option && !option->empty()) {
        return DataFolder(*option);
    }
    if (const char* env = std::getenv("PELMORA_DATA_DIR"); env != nullptr && *env != '\0') {
        return DataFolder(env).from(DataFolderOrigin::Environment);
    }
    const auto exe = executableFolder();
    if (holdsDataFiles(exe)) {
        return DataFolder(exe).from(DataFolderOrigin::ExecutableFolder);
    }
    return DataFolder(userConfigFolder(),
                      {userSkinsFolder(), installedDataFolder(exe) / kSkinsFolderName})
        .from(DataFolderOrigin::User);
}

DataFolder DataFolder::resolve(const std::optional<std::filesystem::path>& option) {
    DataFolder folder = locate(option);
    if (folder.origin() == DataFolderOrigin::User) {
        // Installed: problems seeding show up later as missing files, which
        // the program reports where it reads them.
        seedDataFolder(folder.root(), installedDataFolder(executableFolder()),
                       languageForLocale(messagesLocale()));
    }
    return folder;
}

} // namespace pelmora
