#include "doctor/data_checks.h"

#include "base/ini_file.h"
#include "macros/macro_store.h"
#include "settings/message_sink.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#include "settings/skin_folders.h"

#include <array>
#include <system_error>

namespace fs = std::filesystem;

namespace pelmora {

namespace {

// Indexed by DataFolderOrigin.
constexpr std::array<std::string_view, 4> kOriginTexts{
    "given by --data-dir",
    "given by $PELMORA_DATA_DIR",
    "the program's own folder, which holds data files (build tree or portable copy)",
    "the user's folder ($XDG_CONFIG_HOME/pelmora, else ~/.config/pelmora)",
};

// Indexed by Language.
constexpr std::array<std::string_view, 4> kLanguageNames{
    "CHS (Simplified Chinese)", "CHT (Traditional Chinese)", "TUR (Turkish)", "EN (English)"};

class SilentSink final : public MessageSink {
public:
    void showMessage(std::string_view text, std::string_view) override { last = text; }
    std::string last;
};

// A delivered copy is named only where there is one (a build tree has none
// under share/).
std::string copyFix(const fs::path& installed, std::string_view name, const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_regular_file(installed / name, ec)) {
        return "restore " + std::string(name) +
               " from a backup, or reinstall Pelmora for a "
               "delivered copy";
    }
    return "cp " + (installed / name).string() + ' ' + folder.string() + "/ (a delivered copy)";
}

DoctorCheck settingsCheck(const DataFolder& folder, const fs::path& installed) {
    const fs::path file = folder.settingsFile();
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    SilentSink sink;
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    switch (loadSettingsFile(file, settings, flag, sink)) {
    case LoadResult::Loaded:
        return {"config.bin",
                Verdict::Ok,
                file.string() + ": " + std::to_string(size) + " bytes, loaded" +
                    (flag == 0 ? " (never saved by Apply yet)" : ""),
                {}};
    case LoadResult::WrongSize:
        return {"config.bin", Verdict::Fail,
                file.string() + ": " + std::to_string(size) +
                    " bytes instead of 1850: OK and Apply send and save nothing",
                copyFix(installed, kSettingsFileName, folder.root())};
    default:
        break;
    }
    const bool exists = fs::exists(file, ec);
    return {"config.bin", Verdict::Fail,
            file.string() + (exists ? ": cannot be read (" + sink.last + ")" : ": missing") +
                ": the window starts with empty settings, OK and Apply save nothing",
            exists ? "make it readable: ls -l " + file.string()
                   : copyFix(installed, kSettingsFileName, folder.root())};
}

DoctorCheck preferencesCheck(const DataFolder& folder) {
    const fs::path file = folder.preferencesFile();
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        return {"str.ini", Verdict::Warn,
                file.string() + ": missing: English, the Default skin and the factory labels",
                "it is written by the window's first OK or Apply"};
    }
    IniFile ini;
    std::string error;
    if (!IniFile::load(file, ini, error)) {
        return {"str.ini", Verdict::Fail, file.string() + ": cannot be read: " + error,
                "make it readable: ls -l " + file.string()};
    }
    const std::string code = readLanguageCode(file);
    return {"str.ini",
            Verdict::Ok,
            file.string() + ": language " +
                std::string(kLanguageNames[static_cast<std::size_t>(languageFromCode(code))]),
            {}};
}

DoctorCheck macrosCheck(const DataFolder& folder) {
    const MacroStore store(folder.macroFile());
    const std::string file = store.file().string();
    if (!store.fileExists()) {
        return {"record.ini", Verdict::Ok, file + ": missing: no macros", {}};
    }
    std::string error;
    const auto names = store.names(&error);
    if (!error.empty()) {
        return {"record.ini", Verdict::Fail, file + ": cannot be read: " + error,
                "make it readable: ls -l " + file};
    }
    return {"record.ini",
            Verdict::Ok,
            file + ": " + std::to_string(names.size()) + " macro" + (names.size() == 1 ? "" : "s") +
                (names.size() > 12 ? " (the first 12 go into the mouse)" : ""),
            {}};
}

DoctorCheck skinCheck(const DataFolder& folder) {
    const std::string wanted = readPreferences(folder.preferencesFile(), "").skinPath;
    const std::string name = effectiveSkinName(folder.skinsRoots(), wanted);
    const auto skin = findSkin(folder.skinsRoots(), name);
    if (!skin) {
        std::string roots;
        for (const fs::path& root : folder.skinsRoots()) {
            roots += (roots.empty() ? "" : ", ") + root.string();
        }
        return {"skin", Verdict::Fail,
                "no skin \"" + name + "\" in " + roots + ": the window cannot be drawn",
                "reinstall the program (the skins are in <prefix>/share/pelmora/Skins)"};
    }
    if (!wanted.empty() && name != wanted) {
        return {"skin", Verdict::Warn,
                "str.ini names the skin \"" + wanted + "\", which is not there; drawing " +
                    skin->string(),
                "choose a skin in the window's skins dialog"};
    }
    return {"skin", Verdict::Ok, name + " (" + skin->string() + ")", {}};
}

} // namespace

DoctorChecks dataFolderChecks(const DataFolder& folder, const fs::path& installed) {
    const std::string where = folder.root().string() + ": " +
                              std::string(kOriginTexts[static_cast<std::size_t>(folder.origin())]);
    std::error_code ec;
    if (!fs::is_directory(folder.root(), ec)) {
        // The user's folder is made and filled by the first start.
        if (folder.origin() == DataFolderOrigin::User) {
            return {{"data folder", Verdict::Warn,
                     where +
                         "; not created yet: the first start of pelmora or pelmora-cli "
                         "creates it with copies of the files in " +
                         installed.string(),
                     "start pelmora once"}};
        }
        return {{"data folder", Verdict::Fail, where + "; it does not exist",
                 "give an existing folder, or mkdir -p " + folder.root().string() + " and " +
                     copyFix(installed, kSettingsFileName, folder.root())}};
    }
    return {{"data folder", Verdict::Ok, where, {}},
            settingsCheck(folder, installed),
            preferencesCheck(folder),
            macrosCheck(folder),
            skinCheck(folder)};
}

} // namespace pelmora
