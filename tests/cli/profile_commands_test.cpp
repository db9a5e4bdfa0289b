#include "base/ini_file.h"
#include "base/json.h"
#include "settings/factory_settings.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace pelmora::cli {
namespace {

using pelmora::testing::readTextFile;
using pelmora::testing::runCli;
using pelmora::testing::ScratchFolder;
using pelmora::testing::writeTextFile;

class ProfileCommandsTest : public ::testing::Test {
protected:
    pelmora::testing::CliOutcome cli(const std::filesystem::path& dir,
                                     std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", dir.string()});
        return runCli(args);
    }
    void deliver(const std::filesystem::path& dir) {
        std::string error;
        ASSERT_TRUE(writeSettingsFileAtomically(dir / "config.bin", factorySettings(), 0, error));
    }
    // The macros and labels as the program reads them, whatever the spelling.
    static std::string macrosOf(const std::filesystem::path& dir) {
        return runCli({"--data-dir", dir.string(), "macros"}).out +
               runCli({"--data-dir", dir.string(), "encode-macros"}).out;
    }
    static Preferences labelsOf(const std::filesystem::path& dir, std::string_view code) {
        return readPreferences(dir / "str.ini", code);
    }

    ScratchFolder from;
    ScratchFolder to;
    std::filesystem::path profile = from / "profile.json";
};

TEST_F(ProfileCommandsTest, DeliveredSettingsRoundTripByteForByte) {
    deliver(from.path());
    deliver(to.path());
    ASSERT_EQ(cli(from.path(), {"export", profile.string()}).status, 0);
    // Something else in the target first: the import replaces it.
    ASSERT_EQ(cli(to.path(), {"set", "report-rate=125", "a3=Key Off"}).status, 0);
    const auto r = cli(to.path(), {"import", profile.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readTextFile(to / "config.bin"), readTextFile(from / "config.bin"));
    EXPECT_EQ(cli(to.path(), {"get"}).out, cli(from.path(), {"get"}).out);
}

TEST_F(ProfileCommandsTest, EveryFunctionTwelveMacrosAndFourLanguagesRoundTrip) {
    deliver(from.path());
    std::string record;
    for (int m = 0; m < 13; ++m) {
        record += "[Macro \"" + std::to_string(m) +
                  "\" \\ é]\nMacroLoopTimes=" + std::to_string(m + 1) +
                  "\nItemCount=3\nItem0=A Down\nItem1=Delay 20 ms\n"
                  "Item2=A Up\n";
    }
    writeTextFile(from / "record.ini", record);
    ASSERT_EQ(cli(from.path(), {"encode-macros", "--save"}).status, 0);
    ASSERT_EQ(cli(from.path(), {"set",
                                "a2=Left Click",
                                "b6=Left Click",
                                "a1=Triple-click",
                                "a3=RGB On/Off",
                                "a4=Windows:Calculator",
                                "a5=Multimedia:Mute",
                                "a6=Fire Key:F12:7:3",
                                "b1=Single Key:Num Enter",
                                "b2=Combo Key:Right Win+Tab+Num +",
                                "b3=Macro Key:12:3",
                                "b4=Shift",
                                "b5=DPI -",
                                "key-mode=B",
                                "report-rate=250",
                                "dpi1=off",
                                "dpi2=12",
                                "dpi4-colour=#010203",
                                "light-mode=Neon",
                                "light-parameter=7.5S",
                                "light-effect=RGB Fixed On"})
                  .status,
              0);
    for (const char* code : {"CHS", "CHT", "TUR"}) {
        ASSERT_TRUE(
            writeLabels(from / "str.ini", code,
                        {{"x", "\"quoted\"", "tab\there", "", "ü", "form\ffeed\b", "7", "8"},
                         {"中", "b2", "b3", "b4", "b5", "b6", "b7", std::string(code)}}));
    }
    ASSERT_EQ(cli(from.path(), {"export", profile.string()}).status, 0);

    deliver(to.path());
    const auto r = cli(to.path(), {"import", profile.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readTextFile(to / "config.bin"), readTextFile(from / "config.bin"));
    for (const char* code : {"", "CHS", "CHT", "TUR"}) {
        EXPECT_EQ(labelsOf(to.path(), code).labels, labelsOf(from.path(), code).labels) << code;
    }
    EXPECT_EQ(macrosOf(to.path()), macrosOf(from.path()));
    EXPECT_NE(macrosOf(to.path()).find("no slot: Macro \"12\" \\ é (loop 13, 3 items)"),
              std::string::npos);
    // A second export of the imported files is the same document.
    ASSERT_EQ(cli(to.path(), {"export", (to / "again.json").string()}).status, 0);
    EXPECT_EQ(readTextFile(to / "again.json"), readTextFile(profile));
}

// Words edited in "settings" are applied over "record" as `set` applies
// them; a profile of words alone applies them to the settings there are.
TEST_F(ProfileCommandsTest, EditedWordsImportAsSetAppliesThem) {
    ScratchFolder expected;
    deliver(expected.path());
    ASSERT_EQ(cli(expected.path(), {"set", "a3=Single Key:F6", "report-rate=500"}).status, 0);
    deliver(from.path());
    ASSERT_EQ(cli(from.path(), {"export", profile.string()}).status, 0);
    ordered_json edited = ordered_json::parse(readTextFile(profile));
    edited["settings"]["a3"] = "Single Key:F6";
    edited["settings"]["report-rate"] = "500";
    const ordered_json wordsOnly = {
        {"format", "pelmora-profile"}, {"version", 1}, {"settings", edited["settings"]}};
    for (const ordered_json& document : {edited, wordsOnly}) {
        deliver(to.path());
        writeTextFile(profile, document.dump());
        const auto r = cli(to.path(), {"import", profile.string()});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(readTextFile(to / "config.bin"), readTextFile(expected / "config.bin"));
        EXPECT_EQ(labelsOf(to.path(), "").labels, labelsOf(expected.path(), "").labels);
    }
}

TEST_F(ProfileCommandsTest, DamagedDocumentsChangeNothing) {
    deliver(from.path());
    writeTextFile(from / "record.ini", "[One]\nMacroLoopTimes=1\nItemCount=1\nItem0=A Down\n");
    ASSERT_EQ(cli(from.path(), {"export", profile.string()}).status, 0);
    const std::string good = readTextFile(profile);

    deliver(to.path());
    ASSERT_EQ(cli(to.path(), {"set", "a3=Key Off"}).status, 0);
    writeTextFile(to / "record.ini", "[Mine]\nItemCount=0\n");
    const std::string config = readTextFile(to / "config.bin");
    const std::string strIni = readTextFile(to / "str.ini");

    const auto parsed = ordered_json::parse(good);
    auto damaged = [&](const std::function<void(ordered_json&)>& edit) {
        ordered_json profile = parsed;
        edit(profile);
        return profile.dump();
    };
    std::string rawTab = good;
    rawTab.replace(rawTab.find("\"One\""), 5, "\"O\tne\"");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {good.substr(0, good.size() / 2), "not a JSON document"},
        {rawTab, "not a JSON document"}, // control characters must be escaped
        {damaged([](auto& p) { p["version"] = 2; }), "unknown profile version 2"},
        {damaged([](auto& p) { p["format"] = "other"; }), "not a pelmora profile"},
        {damaged([](auto& p) { p["record"]["reportInterval"] = 256; }), "reportInterval"},
        {damaged([](auto& p) { p["record"]["keyMode"] = 2; }), "keyMode"},
        {damaged([](auto& p) {
             p["record"]["dpiStageOn"] = {0, 0, 0, 0};
         }),
         "at least one"},
        {damaged([](auto& p) { p["record"].erase("dpiLevel"); }), "dpiLevel is missing"},
        {damaged([](auto& p) { p["macros"][0]["name"] = "[One"; }), "macros[0]"},
        {damaged([](auto& p) { p["labels"].erase("CHS"); }), "labels.CHS"},
        {damaged([](auto& p) { p["macros"][0]["items"][0] = 7; }), "texts only"},
        {damaged([](auto& p) { p["settings"]["a3"] = "Single Key:F99"; }), "a3"},
    };
    for (const auto& [text, expected] : cases) {
        writeTextFile(profile, text);
        const auto r = cli(to.path(), {"import", profile.string()});
        EXPECT_EQ(r.status, 2) << expected;
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("nothing was changed"), std::string::npos) << r.err;
        EXPECT_EQ(readTextFile(to / "config.bin"), config) << expected;
        EXPECT_EQ(readTextFile(to / "str.ini"), strIni) << expected;
        EXPECT_EQ(readTextFile(to / "record.ini"), "[Mine]\nItemCount=0\n") << expected;
    }
    // Two macros whose names differ only in case are one macro to the file.
    writeTextFile(profile, damaged([](auto& p) {
                      p["macros"].push_back(
                          {{"name", "one"}, {"loopTimes", "1"}, {"items", ordered_json::array()}});
                  }));
    EXPECT_NE(cli(to.path(), {"import", profile.string()}).err.find("twice"), std::string::npos);
    EXPECT_EQ(cli(to.path(), {"import", (to / "missing.json").string()}).status, 1);
    EXPECT_EQ(cli(to.path(), {"import"}).status, 2);
}

// profile use sends the profile to the mouse as apply does; list marks the
// active profile and a changed configuration; the user's mistakes exit 2.
TEST_F(ProfileCommandsTest, ProfilesAreSwitchedOnTheMouseAndListed) {
    deliver(to.path());
    const std::string state = (to / "mouse.json").string();
    auto sim = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--simulate", "--sim-state", state});
        return cli(to.path(), std::move(args));
    };
    ASSERT_EQ(cli(to.path(), {"profile", "save", "Desk"}).status, 0);
    ASSERT_EQ(cli(to.path(), {"set", "report-rate=250"}).status, 0);
    EXPECT_EQ(cli(to.path(), {"profile", "list"}).out, "* Desk *\n");
    ASSERT_EQ(cli(to.path(), {"profile", "save", "Game"}).status, 0);

    const auto used = sim({"profile", "use", "desk"});
    EXPECT_EQ(used.status, 0) << used.err;
    EXPECT_NE(readTextFile(state).find("\"reportInterval\": 1,"), std::string::npos);
    EXPECT_EQ(cli(to.path(), {"profile", "list"}).out, "* Desk\n  Game\n");
    EXPECT_EQ(cli(to.path(), {"profile", "show", "game", "report-rate"}).out, "report-rate=250\n");

    writeTextFile(to / "profiles" / "Broken.json", "{");
    const auto listed = ordered_json::parse(cli(to.path(), {"profile", "list", "--json"}).out);
    EXPECT_EQ(listed["active"], "Desk");
    EXPECT_EQ(listed["profiles"][0]["name"], "Broken");
    EXPECT_EQ(listed["profiles"][0]["usable"], false);
    const struct {
        std::vector<std::string> args;
        const char* says;
    } refused[] = {
        {{"profile", "use", "Broken"}, "Broken.json: not a JSON document (line 1"},
        {{"profile", "use", "Nobody"}, "no such profile: Nobody"},
        {{"profile", "save", ".hidden"}, "without '/', control characters or a leading '.'"},
        {{"profile", "rename", "Game", "DESK"}, "another profile has that name"},
    };
    for (const auto& row : refused) {
        const auto r = sim(row.args);
        EXPECT_EQ(r.status, 2) << row.says;
        EXPECT_NE(r.err.find(row.says), std::string::npos) << r.err;
    }
    EXPECT_NE(readTextFile(state).find("\"reportInterval\": 1,"), std::string::npos);
}

} // namespace
} // namespace pelmora::cli
