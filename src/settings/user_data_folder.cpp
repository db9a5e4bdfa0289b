#include "settings/user_data_folder.h"

#include "base/ini_file.h"
#include "settings/data_folder.h"
#include "settings/preferences.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <system_error>

#ifndef PELMORA_INSTALLED_DATA_RELATIVE
#define PELMORA_INSTALLED_DATA_RELATIVE "../share/pelmora"
#endif

namespace pelmora {
namespace {

constexpr std::array<std::string_view, 3> kDeliveredFiles{kSettingsFileName, kPreferencesFileName,
                                                          kMacroFileName};

struct LocaleLanguage {
    std::string_view prefix; // language_TERRITORY, or a bare language
    Language language;
};
constexpr std::array<LocaleLanguage, 6> kLocaleLanguages{{
    {"zh_CN", Language::SimplifiedChinese},
    {"zh_SG", Language::SimplifiedChinese},
    {"zh_TW", Language::TraditionalChinese},
    {"zh_HK", Language::TraditionalChinese},
    {"zh_MO", Language::TraditionalChinese},
    {"tr", Language::Turkish},
}};

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid());
        entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

// An XDG base directory: the variable when it holds an absolute path, else
// the default under the home folder.
std::filesystem::path xdgFolder(const char* variable, const std::filesystem::path& fallback) {
    if (const char* value = std::getenv(variable); value != nullptr && *value == '/') {
        return value;
    }
    return homeFolder() / fallback;
}

} // namespace

std::filesystem::path installedDataFolder(const std::filesystem::path& executableFolder) {
    return (executableFolder / PELMORA_INSTALLED_DATA_RELATIVE).lexically_normal();
}

bool holdsDataFiles(const std::filesystem::path& folder) {
    for (const auto name : kDeliveredFiles) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(folder / name, ec)) {
            return true;
        }
    }
    return false;
}

std::filesystem::path userConfigFolder() {
    return xdgFolder("XDG_CONFIG_HOME", ".config") / "pelmora";
}

std::filesystem::path userDataHome() {
    return xdgFolder("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path userSkinsFolder() {
    return userDataHome() / "pelmora" / kSkinsFolderName;
}

Language languageForLocale(std::string_view locale) {
    // "zh_TW.UTF-8@modifier": only language and territory count.
    locale = locale.substr(0, locale.find_first_of(".@"));
    for (const auto& entry : kLocaleLanguages) {
        if (locale.starts_with(entry.prefix) &&
            (locale.size() == entry.prefix.size() || locale[entry.prefix.size()] == '_')) {
            return entry.language;
        }
    }
    return Language::English;
}

std::string messagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

SeedResult seedDataFolder(const std::filesystem::path& target, const std::filesystem::path& source,
                          Language language) {
    SeedResult result;
    std::error_code ec;
    std::filesystem::create_directories(target, ec);
    if (ec) {
        result.error = "cannot create " + target.string() + ": " + ec.message();
        return result;
    }
    for (const auto name : kDeliveredFiles) {
        const auto from = source / name;
        const auto to = target / name;
        if (std::filesystem::exists(std::filesystem::symlink_status(to, ec)) ||
            !std::filesystem::is_regular_file(from, ec)) {
            continue;
        }
        // skip_existing: a copy started at the same moment is never overwritten.
        if (!std::filesystem::copy_file(from, to, std::filesystem::copy_options::skip_existing,
                                        ec)) {
            if (ec && result.error.empty()) {
                result.error =
                    "cannot copy " + from.string() + " to " + to.string() + ": " + ec.message();
            }
            continue;
        }
        std::filesystem::permissions(
            to, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
            std::filesystem::perm_options::add, ec);
        result.copied.emplace_back(name);
        if (name == kPreferencesFileName) {
            std::string error;
            if (!writeIniValue(to, kSkinsSection, kLanguageKey, languageCode(language), error) &&
                result.error.empty()) {
                result.error = error;
            }
        }
    }
    return result;
}

} // namespace pelmora
