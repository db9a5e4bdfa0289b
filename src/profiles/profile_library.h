#pragma once
// The profiles of a data folder as both programs use them: the store, which
// one is active ([Profiles] Active of str.ini), whether the configuration
// still holds it, and saving, activating, renaming and deleting with the
// active mark kept right. The caller sends an activated configuration to the
// mouse; the library only reads and writes files.

#include "profiles/profile_document.h"
#include "profiles/profile_store.h"
#include "settings/data_folder.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kProfilesSection = "Profiles";
inline constexpr std::string_view kActiveProfileKey = "Active";
inline constexpr std::string_view kProfileFeedbackKey = "Feedback";
inline constexpr std::string_view kAutomaticSwitchingKey = "Automatic";

struct ProfileEntry {
    std::string name;
    bool active = false;
    std::string problem;            // why the file is no usable profile; empty when it is
    std::vector<std::string> match; // the application ids it is used for
};

// What a profile would make of the configuration.
struct ProfileActivation {
    std::string name; // as stored
    Configuration configuration;
    bool macrosGiven = false; // record.ini is replaced too
};

// The message for a failure, in English (the programs add their own words).
std::string profileErrorText(const ProfileStoreError& error);
// The name rule, as a refusal ends with it.
std::string_view profileNameRuleText();

class ProfileLibrary {
public:
    explicit ProfileLibrary(DataFolder folder);

    const DataFolder& folder() const { return folder_; }
    const ProfileStore& store() const { return store_; }

    // Every profile, each file read and checked.
    std::vector<ProfileEntry> entries(ProfileStoreError& error) const;
    // The active profile's stored name; empty for none (also when its file is gone).
    std::string activeName() const;
    // Whether the active profile no longer holds `current` ("NAME *").
    bool modified(const Configuration& current) const;
    // Whether the on-screen message after a switch is wanted (on unless 0).
    bool feedbackOn() const;
    bool setFeedback(bool on, std::string& error) const;
    // Whether profiles follow the focused application: as set, and until it
    // is set, whether any of `profiles` names an application.
    bool automaticSwitching(const std::vector<ProfileEntry>& profiles) const;
    bool setAutomaticSwitching(bool on, std::string& error) const;

    // Adds `ids` to profile `name`'s match list (each once, whatever its
    // case) or, with `add` false, takes them out. Returns the list as stored.
    std::vector<std::string> editMatch(std::string_view name, const std::vector<std::string>& ids,
                                       bool add, ProfileStoreError& error);

    // The checked document of `name` taken onto `current`. Nothing is written.
    bool prepare(std::string_view name, const Configuration& current, ProfileActivation& out,
                 ProfileStoreError& error) const;
    // Writes what `prepare` made (config.bin, str.ini with the profile marked
    // active, record.ini when given).
    bool commit(ProfileActivation& activation, ProfileStoreError& error) const;

    // `current` into profile `name`, created or replaced (its "match" list
    // kept), which becomes the active one. Returns the stored name.
    std::string save(std::string_view name, const Configuration& current, ProfileStoreError& error);
    // Deleting the active profile leaves the configuration and clears the mark.
    bool remove(std::string_view name, ProfileStoreError& error);
    bool rename(std::string_view from, std::string_view to, ProfileStoreError& error);

private:
    bool isActive(std::string_view name) const;
    bool markActive(std::string_view name, ProfileStoreError& error) const;
    // The checked root of a stored profile; BadProfile with file and reason.
    bool load(std::string_view name, ordered_json& root, std::string& stored,
              ProfileStoreError& error) const;

    DataFolder folder_;
    ProfileStore store_;
};

} // namespace pelmora
