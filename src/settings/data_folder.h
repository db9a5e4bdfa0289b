#pragma once
// The data folder holds config.bin, record.ini and str.ini. It is --data-dir
// if given, else $PELMORA_DATA_DIR, else the executable's folder when that
// holds the data files (the build tree, a portable copy), whatever the
// executable is called; else (an installed program) the user's folder,
// seeded from the installed data files.
//
// Skins are folders under one or more skins roots: Skins/ beside the data
// files, or for an installed program the user's own skins and the installed
// ones, the user's winning when both have a skin of the same name.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kSettingsFileName = "config.bin";
inline constexpr std::string_view kMacroFileName = "record.ini";
inline constexpr std::string_view kPreferencesFileName = "str.ini";
inline constexpr std::string_view kSkinsFolderName = "Skins";

// Why a folder was chosen.
enum class DataFolderOrigin : std::uint8_t { Option, Environment, ExecutableFolder, User };

class DataFolder {
public:
    // The portable layout: Skins/ beside the data files.
    explicit DataFolder(std::filesystem::path root)
        : root_(std::move(root)), skinsRoots_{root_ / kSkinsFolderName} {}
    // `skinsRoots` in order of precedence.
    DataFolder(std::filesystem::path root, std::vector<std::filesystem::path> skinsRoots)
        : root_(std::move(root)), skinsRoots_(std::move(skinsRoots)) {}

    // Picks the folder: the option, then the environment variable, then the
    // folder of the running executable (/proc/self/exe) if it holds the data
    // files, else the user's folder, created and seeded on the way.
    static DataFolder resolve(const std::optional<std::filesystem::path>& option);
    // The same choice, without creating or seeding anything.
    static DataFolder locate(const std::optional<std::filesystem::path>& option);

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path settingsFile() const { return root_ / kSettingsFileName; }
    std::filesystem::path macroFile() const { return root_ / kMacroFileName; }
    std::filesystem::path preferencesFile() const { return root_ / kPreferencesFileName; }
    const std::vector<std::filesystem::path>& skinsRoots() const { return skinsRoots_; }
    DataFolderOrigin origin() const { return origin_; }

private:
    DataFolder& from(DataFolderOrigin origin) {
        origin_ = origin;
        return *this;
    }

    std::filesystem::path root_;
    DataFolderOrigin origin_ = DataFolderOrigin::Option;
    std::vector<std::filesystem::path> skinsRoots_;
};

// The folder of the running executable; the current folder if it cannot be told.
std::filesystem::path executableFolder();

} // namespace pelmora
