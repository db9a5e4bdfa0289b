#include "settings/data_folder.h"

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

DataFolder DataFolder::resolve(const std::optional<std::filesystem::path>& option) {
    if (option && !option->empty()) {
        return DataFolder(*option);
    }
    if (const char* env = std::getenv("PELMORA_DATA_DIR"); env != nullptr && *env != '\0') {
        return DataFolder(env);
    }
    return DataFolder(executableFolder());
}

} // namespace pelmora
