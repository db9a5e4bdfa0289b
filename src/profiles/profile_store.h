#pragma once
// The profiles kept on the computer: one file profiles/NAME.json each in the
// data folder, in the format `pelmora-cli export` writes. The store knows the
// names and the files; what a profile holds is the profile document's.
//
// A name is 1 to 64 characters of UTF-8 without '/', control characters or
// a leading '.', and the file name is the name. Two names that differ only in
// the case of ASCII letters are the same profile: the store keeps the
// spelling it was saved with and finds it by either.
//
// On the map (docs/ARCHITECTURE.md): src/profiles, in the core above
// src/settings; pelmora-cli and the window each use one store.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::size_t kProfileNameMaxCharacters = 64;
inline constexpr std::string_view kProfilesFolderName = "profiles";
inline constexpr std::string_view kProfileFileExtension = ".json";

enum class ProfileNameProblem {
    None,
    Empty,
    TooLong,
    Slash,
    LeadingDot,
    ControlCharacter,
    NotUtf8
};

// Why `name` cannot be a profile's name (None when it can).
ProfileNameProblem checkProfileName(std::string_view name);

enum class ProfileFailure {
    None,
    BadName,        // see checkProfileName
    NoSuchProfile,  // no file of that name
    NameTaken,      // rename onto another profile
    FolderUnusable, // profiles/ cannot be read or made
    FileFailed,     // a profile file cannot be read, written or removed
    BadProfile,     // the file is no profile document (damaged or hand-edited)
};

struct ProfileStoreError {
    ProfileFailure failure = ProfileFailure::None;
    std::string detail; // the file or folder and why, for the user
    explicit operator bool() const { return failure != ProfileFailure::None; }
};

class ProfileStore {
public:
    // `folder` is <data folder>/profiles; it is made on the first save.
    explicit ProfileStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path fileOf(std::string_view name) const;

    // The names of every profile file, in byte order of their ASCII-folded
    // spelling. A missing folder holds none; one that cannot be read is an
    // error. Files whose names are outside the rule are not profiles.
    std::vector<std::string> list(ProfileStoreError& error) const;
    // The stored spelling of `name`, if there is such a profile.
    std::optional<std::string> find(std::string_view name, ProfileStoreError& error) const;

    // The file's text as it is; NoSuchProfile when there is none.
    std::string read(std::string_view name, ProfileStoreError& error) const;
    // Creates the profile or replaces it whole (atomically, keeping the
    // spelling it already has). Returns the stored name.
    std::string write(std::string_view name, std::string_view text, ProfileStoreError& error);
    // Renames a profile (a change of case only is a rename too); refuses a
    // new name that another profile has.
    bool rename(std::string_view from, std::string_view to, ProfileStoreError& error);
    bool remove(std::string_view name, ProfileStoreError& error);

private:
    // find(), with NoSuchProfile when there is no such profile.
    std::optional<std::string> existing(std::string_view name, ProfileStoreError& error) const;

    std::filesystem::path folder_;
};

// Two names the store takes for the same profile.
bool sameProfileName(std::string_view a, std::string_view b);

} // namespace pelmora
