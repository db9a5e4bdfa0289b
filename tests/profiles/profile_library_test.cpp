#include "profiles/profile_library.h"

#include "base/ini_file.h"
#include "settings/factory_settings.h"
#include "settings/settings_file.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::readTextFile;
using testing::writeTextFile;

// A data folder's life with profiles: the active mark follows saves,
// activations, renames and deletes; a changed configuration is told; a
// damaged file is listed with why and never activated or rewritten.
TEST(ProfileLibraryTest, TheActiveMarkAndTheChangedConfiguration) {
    testing::ScratchFolder scratch;
    const DataFolder folder(scratch.path());
    ProfileLibrary library(folder);
    Configuration desk;
    desk.settings = factorySettings();
    desk.firstRunFlag = 1;
    ProfileStoreError error;
    std::string why;
    ASSERT_TRUE(writeSettingsFileAtomically(folder.settingsFile(), desk.settings, 1, why));

    EXPECT_EQ(library.save("Desk", desk, error), "Desk");
    EXPECT_EQ(library.activeName(), "Desk");
    EXPECT_FALSE(library.modified(desk));
    Configuration game = desk;
    game.settings.reportInterval = 8;
    ASSERT_TRUE(game.strIni.setValue("Profiles", "Active", "stays in str.ini"));
    EXPECT_TRUE(library.modified(game));
    EXPECT_EQ(library.save("game", game, error), "game");
    EXPECT_EQ(library.activeName(), "game");

    // Activation writes the profile's configuration and the mark; the rest
    // of str.ini is the current one's.
    ProfileActivation activation;
    ASSERT_TRUE(library.prepare("DESK", game, activation, error)) << error.detail;
    EXPECT_EQ(activation.name, "Desk");
    ASSERT_TRUE(library.commit(activation, error)) << error.detail;
    EXPECT_EQ(library.activeName(), "Desk");
    EXPECT_FALSE(library.modified(activation.configuration));
    EXPECT_EQ(activation.configuration.settings.reportInterval, desk.settings.reportInterval);
    EXPECT_EQ(activation.configuration.strIni.valueOr("Profiles", "Active"), "Desk");

    // A match list takes each id once, whatever its case, survives a save
    // over its profile and turns automatic switching on until it is set.
    EXPECT_FALSE(library.automaticSwitching(library.entries(error)));
    EXPECT_EQ(library.editMatch("desk", {"steam_app_1", "hl2", "STEAM_APP_1"}, true, error),
              (std::vector<std::string>{"steam_app_1", "hl2"}));
    library.save("desk", desk, error);
    EXPECT_EQ(library.entries(error)[0].match, (std::vector<std::string>{"steam_app_1", "hl2"}));
    EXPECT_TRUE(library.automaticSwitching(library.entries(error)));
    EXPECT_TRUE(library.setAutomaticSwitching(false, why));
    EXPECT_FALSE(library.automaticSwitching(library.entries(error)));
    EXPECT_EQ(library.editMatch("desk", {"Steam_App_1"}, false, error),
              (std::vector<std::string>{"hl2"}));
    EXPECT_EQ(library.editMatch("desk", {""}, true, error), std::vector<std::string>());
    EXPECT_EQ(error.failure, ProfileFailure::BadProfile);

    // Renaming the active profile moves the mark; deleting it clears the mark
    // and leaves config.bin.
    EXPECT_TRUE(library.rename("desk", "Office", error));
    EXPECT_EQ(library.activeName(), "Office");
    EXPECT_TRUE(library.rename("game", "Game", error)); // not the active one
    EXPECT_EQ(library.activeName(), "Office");
    const std::string config = readTextFile(folder.settingsFile());
    EXPECT_TRUE(library.remove("office", error));
    EXPECT_EQ(library.activeName(), "");
    EXPECT_EQ(readTextFile(folder.settingsFile()), config);

    // Damaged files: listed with the file and why, refused, never rewritten.
    const struct {
        const char* text;
        const char* why;
    } damaged[] = {
        {"{\n\"format\": ", "line 2"},
        {R"({"format": "pelmora-profile", "version": 1, "match": ["", 3]})", "match"},
        {R"({"format": "pelmora-profile", "version": 1, "settings": {"a1": "Fly"}})", "a1"},
    };
    for (const auto& row : damaged) {
        writeTextFile(scratch.path() / "profiles" / "Broken.json", row.text);
        const std::vector<ProfileEntry> entries = library.entries(error);
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_NE(entries[0].problem.find("Broken.json"), std::string::npos) << row.text;
        EXPECT_NE(entries[0].problem.find(row.why), std::string::npos) << entries[0].problem;
        EXPECT_EQ(entries[1].problem, "");
        EXPECT_FALSE(library.prepare("broken", desk, activation, error));
        EXPECT_EQ(error.failure, ProfileFailure::BadProfile);
        EXPECT_EQ(library.save("broken", desk, error), "");
        EXPECT_EQ(readTextFile(scratch.path() / "profiles" / "Broken.json"), row.text);
    }
    EXPECT_FALSE(library.prepare("nobody", desk, activation, error));
    EXPECT_EQ(error.failure, ProfileFailure::NoSuchProfile);
    EXPECT_EQ(library.save("a/b", desk, error), "");
    EXPECT_NE(profileErrorText(error).find(profileNameRuleText()), std::string::npos);
    // What could not be read back is not written.
    Configuration dark = desk;
    dark.settings.dpiStageOn = {0, 0, 0, 0};
    EXPECT_EQ(library.save("Dark", dark, error), "");
    EXPECT_EQ(error.failure, ProfileFailure::BadProfile);
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "profiles" / "Dark.json"));
}

} // namespace
} // namespace pelmora
