#pragma once
// An installed program keeps no data beside its executable: the user's data
// folder is $XDG_CONFIG_HOME/pelmora, seeded on first start with copies of the
// delivered files of <prefix>/share/pelmora, and the skins come from the
// installed folder and the user's own $XDG_DATA_HOME/pelmora/Skins.

#include "settings/interface_texts.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The installed data files relative to the executable's folder, so that a
// relocated or extracted package finds its own.
std::filesystem::path installedDataFolder(const std::filesystem::path& executableFolder);

// True when `folder` holds one of the data files (config.bin, str.ini,
// record.ini): the build tree and a portable copy.
bool holdsDataFiles(const std::filesystem::path& folder);

// $XDG_CONFIG_HOME/pelmora and $XDG_DATA_HOME/pelmora/Skins, with the XDG
// defaults (~/.config, ~/.local/share) when the variable is unset, empty or
// not an absolute path.
std::filesystem::path userConfigFolder();
std::filesystem::path userSkinsFolder();
// $XDG_DATA_HOME itself (~/.local/share by default).
std::filesystem::path userDataHome();

// The language a user of `locale` (a POSIX locale name such as
// "zh_TW.UTF-8") would pick in an installer.
Language languageForLocale(std::string_view locale);
// The locale of the messages: LC_ALL, else LC_MESSAGES, else LANG.
std::string messagesLocale();

struct SeedResult {
    std::vector<std::string> copied; // names of the files copied
    std::string error;               // empty when everything went well
};

// Creates `target` and copies config.bin, str.ini and record.ini from
// `source` into it, each only when it does not exist yet. A freshly copied
// str.ini gets the "Lan" of `language`.
SeedResult seedDataFolder(const std::filesystem::path& target, const std::filesystem::path& source,
                          Language language);

} // namespace pelmora
