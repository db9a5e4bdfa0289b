// export, import and profile: the whole configuration as one JSON document,
// in a file of the user's or among the named profiles of the data folder.
#include "base/atomic_file.h"
#include "cli/cli_context.h"
#include "cli/desktop_pointer.h"
#include "profiles/profile_document.h"
#include "profiles/profile_library.h"

#include <ostream>
#include <string>

namespace pelmora::cli {

namespace {

// The configuration of the data folder; without `withSettings` config.bin
// is left out (a profile with its own record does not need it).
int loadConfiguration(CliContext& ctx, Configuration& configuration, bool withSettings = true) {
    if (withSettings && !ctx.loadSettings(configuration.settings, configuration.firstRunFlag)) {
        return kFailedStatus;
    }
    std::string error;
    if (!loadConfigurationTexts(ctx.dataFolder(), configuration, error)) {
        return ctx.fail(error);
    }
    return kOkStatus;
}

// A profile failure: a damaged profile or a name outside the rule is the
// user's input (status 2); the rest failed (status 1).
int profileFailure(CliContext& ctx, const ProfileStoreError& error) {
    ctx.err << "pelmora-cli: profile " << ctx.action << ": " << profileErrorText(error) << '\n';
    const bool input = error.failure == ProfileFailure::BadProfile ||
                       error.failure == ProfileFailure::BadName ||
                       error.failure == ProfileFailure::NoSuchProfile ||
                       error.failure == ProfileFailure::NameTaken;
    return input ? kUsageStatus : kFailedStatus;
}

// "  [id, id]" after a profile used for applications; empty for none.
std::string matchText(const std::vector<std::string>& match) {
    std::string text;
    for (const std::string& id : match) {
        text += (text.empty() ? "  [" : ", ") + id;
    }
    return text.empty() ? text : text + "]";
}

int editMatch(CliContext& ctx, ProfileLibrary& library, bool add) {
    ProfileStoreError error;
    const std::vector<std::string> ids(ctx.args.begin() + 1, ctx.args.end());
    const std::vector<std::string> match = library.editMatch(ctx.args[0], ids, add, error);
    if (error) {
        return profileFailure(ctx, error);
    }
    ctx.out << ctx.args[0] << (match.empty() ? "  (used for no application)" : matchText(match))
            << '\n';
    return kOkStatus;
}

int listProfiles(CliContext& ctx, ProfileLibrary& library) {
    ProfileStoreError error;
    const std::vector<ProfileEntry> entries = library.entries(error);
    if (error) {
        return profileFailure(ctx, error);
    }
    bool modified = false;
    if (!library.activeName().empty()) {
        Configuration current;
        modified = loadConfiguration(ctx, current) != kOkStatus || library.modified(current);
    }
    if (ctx.json) {
        ordered_json list = ordered_json::array();
        for (const ProfileEntry& entry : entries) {
            list.push_back({{"name", entry.name},
                            {"active", entry.active},
                            {"modified", entry.active && modified},
                            {"usable", entry.problem.empty()},
                            {"problem", entry.problem},
                            {"match", entry.match}});
        }
        ctx.out << jsonText(ordered_json{{"active", library.activeName()}, {"profiles", list}});
        return kOkStatus;
    }
    // "* NAME" for the active profile, " *" after it when it was changed
    // since; a damaged one with "!" and why.
    for (const ProfileEntry& entry : entries) {
        ctx.out << (entry.active            ? "* "
                    : entry.problem.empty() ? "  "
                                            : "! ")
                << entry.name << (entry.active && modified ? " *" : "");
        if (!entry.problem.empty()) {
            ctx.out << "  (" << entry.problem << ')';
        }
        ctx.out << matchText(entry.match) << '\n';
    }
    return kOkStatus;
}

int saveProfile(CliContext& ctx, ProfileLibrary& library) {
    Configuration current;
    if (const int status = loadConfiguration(ctx, current); status != kOkStatus) {
        return status;
    }
    ProfileStoreError error;
    const std::string stored = library.save(ctx.args[0], current, error);
    if (error) {
        return profileFailure(ctx, error);
    }
    ctx.out << "saved the configuration as profile " << stored << '\n';
    return kOkStatus;
}

// What profile args[0] makes of the data folder's configuration.
int prepareProfile(CliContext& ctx, const ProfileLibrary& library, ProfileActivation& activation) {
    Configuration current;
    if (const int status = loadConfiguration(ctx, current); status != kOkStatus) {
        return status;
    }
    ProfileStoreError error;
    if (!library.prepare(ctx.args[0], current, activation, error)) {
        return profileFailure(ctx, error);
    }
    return kOkStatus;
}

int showProfile(CliContext& ctx, ProfileLibrary& library) {
    ProfileActivation activation;
    if (const int status = prepareProfile(ctx, library, activation); status != kOkStatus) {
        return status;
    }
    SettingsEdit edit = settingsEditOf(activation.configuration);
    edit.sensorType = static_cast<std::uint8_t>(ctx.sensorType);
    return writeSettingWords(ctx, settingWords(edit), "profile show",
                             ctx.args.size() > 1 ? ctx.args[1] : std::string());
}

int useProfile(CliContext& ctx, ProfileLibrary& library) {
    ProfileActivation activation;
    if (const int status = prepareProfile(ctx, library, activation); status != kOkStatus) {
        return status;
    }
    ProfileStoreError error;
    if (!library.commit(activation, error)) {
        return profileFailure(ctx, error);
    }
    // As import followed by OK: the mouse, then the desktop's pointer
    // settings; nothing reaches the desktop when there is no mouse.
    ctx.args.clear();
    bool reached = false;
    const int status = applyToMouse(ctx, reached);
    if (!reached) {
        ctx.err << "pelmora-cli: profile use: " << activation.name
                << " is the configuration now, but it did not reach the mouse\n";
        return status;
    }
    const int desktopStatus = writePointerSettings(ctx, activation.configuration.settings);
    return status != kOkStatus ? status : desktopStatus;
}

} // namespace

int exportCommand(CliContext& ctx) {
    Configuration current;
    if (const int status = loadConfiguration(ctx, current); status != kOkStatus) {
        return status;
    }
    const std::string text = profileText(current);
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    std::string error;
    if (!replaceFileAtomically(ctx.args[0], std::span(data, text.size()), error)) {
        return ctx.fail("the profile was not written: " + error);
    }
    return kOkStatus;
}

int importCommand(CliContext& ctx) {
    const std::string file = ctx.args[0];
    std::string bytes;
    std::string error;
    if (!readWholeFile(file, bytes, error)) {
        return ctx.fail("cannot read " + file + ": " + error);
    }
    auto refuse = [&](const std::string& why) {
        ctx.err << "pelmora-cli: import: " << file << ": " << why << "; nothing was changed\n";
        return kUsageStatus;
    };
    ordered_json root;
    if (!parseProfile(bytes, root, error)) {
        return refuse(error);
    }
    Configuration configuration;
    if (const int status = loadConfiguration(ctx, configuration, !profileHasRecord(root));
        status != kOkStatus) {
        return status;
    }
    bool macrosGiven = false;
    if (!readProfile(root, configuration, macrosGiven, error)) {
        return refuse(error);
    }
    if (!saveConfiguration(ctx.dataFolder(), configuration, macrosGiven, error)) {
        return ctx.fail(error);
    }
    return kOkStatus;
}

int profileCommand(CliContext& ctx) {
    ProfileLibrary library(ctx.dataFolder());
    if (ctx.action == "list") {
        return listProfiles(ctx, library);
    }
    if (ctx.action == "save") {
        return saveProfile(ctx, library);
    }
    if (ctx.action == "use") {
        return useProfile(ctx, library);
    }
    if (ctx.action == "show") {
        return showProfile(ctx, library);
    }
    if (ctx.action == "match" || ctx.action == "unmatch") {
        return editMatch(ctx, library, ctx.action == "match");
    }
    if (ctx.action == "focus") {
        return focusWatch(ctx);
    }
    ProfileStoreError error;
    if (ctx.action == "delete" ? !library.remove(ctx.args[0], error)
                               : !library.rename(ctx.args[0], ctx.args[1], error)) {
        return profileFailure(ctx, error);
    }
    return kOkStatus;
}

} // namespace pelmora::cli
