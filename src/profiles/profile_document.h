#pragma once
// A profile document: the whole configuration of a data folder as one JSON
// text, as `pelmora-cli export` writes it and every profile file holds it.
//
// {
//   "format": "pelmora-profile", "version": 1,
//   "settings": { "a1": "Left Click", ... },   the settings in words, as `get` prints them
//   "record": { ... },                         config.bin, member by member as `show` prints it
//   "labels": { "EN": [16 texts], "CHS": [...], "CHT": [...], "TUR": [...] },
//   "macros": [ { "name": "...", "loopTimes": "1", "items": ["...", ...] }, ... ],
//   "match": [ "application id", ... ]         optional, kept and checked only
// }
//
// Reading takes "record", then "labels", then those "settings" words whose
// value differs from what the record gives, as `set` takes them. A member
// that is missing leaves that part of the configuration as it is.

#include "base/ini_file.h"
#include "base/json.h"
#include "settings/data_folder.h"
#include "settings/settings_block.h"
#include "words/setting_words.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// What a data folder's configuration is made of: config.bin, str.ini (its
// label sections among the rest) and record.ini.
struct Configuration {
    SettingsBlock settings{};
    std::uint8_t firstRunFlag = 0;
    IniFile strIni;
    IniFile macros;
};

// str.ini and record.ini of `folder` into `configuration` (config.bin is read
// by the caller, who reports its own failures); false with `error`.
bool loadConfigurationTexts(const DataFolder& folder, Configuration& configuration,
                            std::string& error);

// The words' view of the configuration: its labels in the language str.ini
// names (the first-run labels while the flag byte is 0) and its macro names.
SettingsEdit settingsEditOf(const Configuration& configuration);
// The edit's record and its labels (in the edit's language) into the
// configuration, as `set` saves them.
bool takeSettingsEdit(Configuration& configuration, const SettingsEdit& edit, std::string& error);

// The document of `configuration`; `match` (a list, or null for none) is
// written as the profile's "match" member.
std::string profileText(const Configuration& configuration,
                        const ordered_json& match = ordered_json());

// A document's root after its format and version were checked; false with
// `error` ("line L, column C: ..." for broken JSON).
bool parseProfile(std::string_view text, ordered_json& root, std::string& error);

// Whether a checked root has its own record (without one, reading it needs
// config.bin as it is).
bool profileHasRecord(const ordered_json& root);

// Takes a checked root onto `configuration`. False with `error` when any
// member is wrong; `configuration` may then be half changed (callers read
// into a copy). `macrosGiven` tells whether record.ini is to be replaced.
bool readProfile(const ordered_json& root, Configuration& configuration, bool& macrosGiven,
                 std::string& error);

// The "match" member of a checked root (null when it has none).
ordered_json profileMatch(const ordered_json& root);

// Whether `root` holds what `configuration` holds (record, labels, macros).
bool profileMatchesConfiguration(const ordered_json& root, const Configuration& configuration);

// config.bin, str.ini and (with `withMacros`) record.ini of `folder`, each
// replaced as a whole; false with `error` naming what was and was not saved.
bool saveConfiguration(const DataFolder& folder, const Configuration& configuration,
                       bool withMacros, std::string& error);

} // namespace pelmora
