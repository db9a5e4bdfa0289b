#include "profiles/profile_library.h"

#include "base/ini_file.h"
#include "base/json.h"
#include "desktop/focus/focused_application.h"
#include "settings/factory_settings.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pelmora {

namespace {

// A document that parses, and whose values the mouse can take.
bool usableProfile(std::string_view text, ordered_json& root, std::string& why) {
    if (!parseProfile(text, root, why)) {
        return false;
    }
    Configuration scratch;
    scratch.settings = factorySettings();
    bool macros = false;
    return readProfile(root, scratch, macros, why);
}

constexpr std::string_view kNameRule =
    "a profile name is 1 to 64 characters, without '/', control characters or a leading '.'";

struct FailureText {
    ProfileFailure failure;
    std::string_view text; // before the detail
};
constexpr std::array kFailureTexts{
    FailureText{ProfileFailure::BadName, "not a profile name: "},
    FailureText{ProfileFailure::NoSuchProfile, "no such profile: "},
    FailureText{ProfileFailure::NameTaken, "another profile has that name: "},
    FailureText{ProfileFailure::FolderUnusable, "the profiles folder cannot be used: "},
    FailureText{ProfileFailure::FileFailed, "a profile file failed: "},
    FailureText{ProfileFailure::BadProfile, "a damaged profile: "},
};

std::vector<std::string> matchList(const ordered_json& root) {
    std::vector<std::string> ids;
    if (const ordered_json match = profileMatch(root); match.is_array()) {
        for (const ordered_json& id : match) {
            ids.push_back(id.get<std::string>());
        }
    }
    return ids;
}

ProfileStoreError failedWith(ProfileFailure failure, std::string detail) {
    return {failure, std::move(detail)};
}

} // namespace

std::string_view profileNameRuleText() {
    return kNameRule;
}

std::string profileErrorText(const ProfileStoreError& error) {
    for (const auto& [failure, text] : kFailureTexts) {
        if (failure == error.failure) {
            std::string message = std::string(text) + error.detail;
            if (failure == ProfileFailure::BadName) {
                message += " (" + std::string(kNameRule) + ")";
            }
            return message;
        }
    }
    return error.detail;
}

ProfileLibrary::ProfileLibrary(DataFolder folder)
    : folder_(std::move(folder)), store_(folder_.root() / kProfilesFolderName) {}

bool ProfileLibrary::load(std::string_view name, ordered_json& root, std::string& stored,
                          ProfileStoreError& error) const {
    const std::optional<std::string> found = store_.find(name, error);
    if (!found) {
        if (!error) {
            error = failedWith(ProfileFailure::NoSuchProfile, std::string(name));
        }
        return false;
    }
    stored = *found;
    const std::string text = store_.read(stored, error);
    if (error) {
        return false;
    }
    std::string why;
    if (!usableProfile(text, root, why)) {
        error = failedWith(ProfileFailure::BadProfile, store_.fileOf(stored).string() + ": " + why);
        return false;
    }
    return true;
}

std::vector<ProfileEntry> ProfileLibrary::entries(ProfileStoreError& error) const {
    std::vector<ProfileEntry> out;
    const std::string active = activeName();
    for (std::string& name : store_.list(error)) {
        ProfileEntry entry;
        entry.active = name == active;
        ordered_json root;
        std::string stored;
        ProfileStoreError problem;
        if (!load(name, root, stored, problem)) {
            entry.problem = profileErrorText(problem);
        } else {
            entry.match = matchList(root);
        }
        entry.name = std::move(name);
        out.push_back(std::move(entry));
    }
    return out;
}

std::string ProfileLibrary::activeName() const {
    const std::string marked =
        readIniValue(folder_.preferencesFile(), kProfilesSection, kActiveProfileKey);
    if (marked.empty()) {
        return {};
    }
    ProfileStoreError error;
    return store_.find(marked, error).value_or(std::string());
}

bool ProfileLibrary::modified(const Configuration& current) const {
    const std::string active = activeName();
    ordered_json root;
    std::string stored;
    ProfileStoreError error;
    return !active.empty() &&
           (!load(active, root, stored, error) || !profileMatchesConfiguration(root, current));
}

bool ProfileLibrary::feedbackOn() const {
    return readIniValue(folder_.preferencesFile(), kProfilesSection, kProfileFeedbackKey) != "0";
}

bool ProfileLibrary::setFeedback(bool on, std::string& error) const {
    return writeIniValue(folder_.preferencesFile(), kProfilesSection, kProfileFeedbackKey,
                         on ? "1" : "0", error);
}

bool ProfileLibrary::automaticSwitching(const std::vector<ProfileEntry>& profiles) const {
    const std::string set =
        readIniValue(folder_.preferencesFile(), kProfilesSection, kAutomaticSwitchingKey);
    if (!set.empty()) {
        return set != "0";
    }
    return std::ranges::any_of(profiles, [](const ProfileEntry& profile) {
        return profile.problem.empty() && !profile.match.empty();
    });
}

bool ProfileLibrary::setAutomaticSwitching(bool on, std::string& error) const {
    return writeIniValue(folder_.preferencesFile(), kProfilesSection, kAutomaticSwitchingKey,
                         on ? "1" : "0", error);
}

std::vector<std::string> ProfileLibrary::editMatch(std::string_view name,
                                                   const std::vector<std::string>& ids, bool add,
                                                   ProfileStoreError& error) {
    error = {};
    ordered_json root;
    std::string stored;
    if (!load(name, root, stored, error)) {
        return {};
    }
    std::vector<std::string> match = matchList(root);
    for (const std::string& id : ids) {
        if (id.empty()) {
            error = failedWith(ProfileFailure::BadProfile, "an application id cannot be empty");
            return {};
        }
        auto same = [&](const std::string& each) { return sameApplicationId(each, id); };
        if (!add) {
            std::erase_if(match, same);
        } else if (std::ranges::none_of(match, same)) {
            match.push_back(id);
        }
    }
    if (match.empty()) {
        root.erase("match");
    } else {
        root["match"] = match;
    }
    store_.write(stored, jsonText(root), error);
    return error ? std::vector<std::string>() : match;
}

bool ProfileLibrary::prepare(std::string_view name, const Configuration& current,
                             ProfileActivation& out, ProfileStoreError& error) const {
    ordered_json root;
    if (!load(name, root, out.name, error)) {
        return false;
    }
    out.configuration = current;
    std::string why;
    if (!readProfile(root, out.configuration, out.macrosGiven, why)) {
        error =
            failedWith(ProfileFailure::BadProfile, store_.fileOf(out.name).string() + ": " + why);
        return false;
    }
    return true;
}

bool ProfileLibrary::commit(ProfileActivation& activation, ProfileStoreError& error) const {
    IniFile& strIni = activation.configuration.strIni;
    if (!strIni.setValue(kProfilesSection, kActiveProfileKey, activation.name)) {
        error = failedWith(ProfileFailure::FileFailed, strIni.invalidReason());
        return false;
    }
    std::string why;
    if (!saveConfiguration(folder_, activation.configuration, activation.macrosGiven, why)) {
        error = failedWith(ProfileFailure::FileFailed, why);
        return false;
    }
    return true;
}

std::string ProfileLibrary::save(std::string_view name, const Configuration& current,
                                 ProfileStoreError& error) {
    // A profile being replaced keeps its match list; a damaged one is not
    // replaced (the user deletes it first).
    ordered_json match;
    error = {};
    if (const std::optional<std::string> found = store_.find(name, error); found) {
        ordered_json root;
        std::string stored;
        if (!load(*found, root, stored, error)) {
            return {};
        }
        match = profileMatch(root);
    }
    if (error) {
        return {};
    }
    // What would be refused when read back is not written: the configuration
    // holds a value no profile can (every DPI stage off).
    const std::string text = profileText(current, match);
    ordered_json check;
    std::string why;
    if (!usableProfile(text, check, why)) {
        error = failedWith(ProfileFailure::BadProfile,
                           "the configuration cannot be kept as a profile: " + why);
        return {};
    }
    const std::string stored = store_.write(name, text, error);
    if (error || !markActive(stored, error)) {
        return {};
    }
    return stored;
}

bool ProfileLibrary::remove(std::string_view name, ProfileStoreError& error) {
    const bool wasActive = isActive(name);
    return store_.remove(name, error) && (!wasActive || markActive({}, error));
}

bool ProfileLibrary::rename(std::string_view from, std::string_view to, ProfileStoreError& error) {
    const bool wasActive = isActive(from);
    return store_.rename(from, to, error) && (!wasActive || markActive(to, error));
}

bool ProfileLibrary::isActive(std::string_view name) const {
    const std::string active = activeName();
    return !active.empty() && sameProfileName(active, name);
}

bool ProfileLibrary::markActive(std::string_view name, ProfileStoreError& error) const {
    std::string why;
    const bool written = editIniFile(folder_.preferencesFile(), why, [&](IniFile& ini) {
        if (name.empty()) {
            ini.removeKey(kProfilesSection, kActiveProfileKey);
            return true;
        }
        return ini.setValue(kProfilesSection, kActiveProfileKey, name);
    });
    if (!written) {
        error =
            failedWith(ProfileFailure::FileFailed, folder_.preferencesFile().string() + ": " + why);
    }
    return written;
}

} // namespace pelmora
