#include "settings/skin_folders.h"

#include <algorithm>
#include <system_error>

namespace pelmora {

namespace fs = std::filesystem;

bool isPlainSkinName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::vector<std::string> listSkins(const std::vector<fs::path>& roots) {
    std::vector<std::string> names;
    for (const fs::path& root : roots) {
        std::error_code ec;
        fs::directory_iterator it(root, ec);
        if (ec) {
            continue;
        }
        for (const fs::directory_iterator end; it != end; it.increment(ec)) {
            if (ec) {
                break;
            }
            std::error_code typeError;
            if (!it->is_directory(typeError)) {
                continue;
            }
            std::string name = it->path().filename().string();
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(std::move(name));
            }
        }
    }
    return names;
}

std::optional<fs::path> findSkin(const std::vector<fs::path>& roots, std::string_view name) {
    if (!isPlainSkinName(name)) {
        return std::nullopt;
    }
    for (const fs::path& root : roots) {
        fs::path folder = root / std::string(name);
        std::error_code ec;
        if (fs::is_directory(folder, ec)) {
            return folder;
        }
    }
    return std::nullopt;
}

std::string effectiveSkinName(const std::vector<fs::path>& roots, std::string_view path) {
    return findSkin(roots, path) ? std::string(path) : std::string(kDefaultSkinName);
}

} // namespace pelmora
