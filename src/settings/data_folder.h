#pragma once
// The data folder holds config.bin, record.ini, str.ini and Skins/. It is
// --data-dir if given, else $PELMORA_DATA_DIR, else the executable's folder,
// whatever the executable is called.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kSettingsFileName = "config.bin";
inline constexpr std::string_view kMacroFileName = "record.ini";
inline constexpr std::string_view kPreferencesFileName = "str.ini";
inline constexpr std::string_view kSkinsFolderName = "Skins";

class DataFolder {
public:
    explicit DataFolder(std::filesystem::path root) : root_(std::move(root)) {}

    // Picks the folder: the option, then the environment variable, then the
    // folder of the running executable (/proc/self/exe).
    static DataFolder resolve(const std::optional<std::filesystem::path>& option);

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path settingsFile() const { return root_ / kSettingsFileName; }
    std::filesystem::path macroFile() const { return root_ / kMacroFileName; }
    std::filesystem::path preferencesFile() const { return root_ / kPreferencesFileName; }
    std::filesystem::path skinsFolder() const { return root_ / kSkinsFolderName; }
    // The folders whose sub-folders are the skins, the winning one first.
    std::vector<std::filesystem::path> skinsRoots() const { return {skinsFolder()}; }

private:
    std::filesystem::path root_;
};

// The folder of the running executable; the current folder if it cannot be told.
std::filesystem::path executableFolder();

} // namespace pelmora
