#include "base/json.h"
#include "cli/cli.h"
#include "settings/factory_settings.h"
#include "settings/settings_file.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora::cli {
namespace {

using pelmora::testing::lines;
using pelmora::testing::runCli;
using pelmora::testing::ScratchFolder;

class SettingsCommandsTest : public ::testing::Test {
protected:
    void writeConfig(const SettingsBlock& settings, std::uint8_t flag = 0) {
        std::string error;
        ASSERT_TRUE(writeSettingsFileAtomically(folder / "config.bin", settings, flag, error))
            << error;
    }
    auto runIn(const std::string& command) {
        return runCli({"--data-dir", folder.path().string(), command});
    }

    ScratchFolder folder;
};

TEST_F(SettingsCommandsTest, ShowPrintsEveryFieldAsJson) {
    SettingsBlock s = factorySettings();
    s.reportInterval = 8;
    s.keyBlockB.comboKey2[7] = 0x2B;
    s.macroData[3].fill(0xAB);
    s.dpiSwitchParamB = {1, 2, 3, 1, 2, 3, 1, 2};
    writeConfig(s, 1);

    const auto r = runIn("show");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto shown = ordered_json::parse(r.out, nullptr, false);
    ASSERT_TRUE(shown.is_object()) << r.out;

    // The members and their order are what scripts and profiles rely on.
    std::vector<std::string> names;
    for (const auto& [name, value] : shown.items()) {
        names.push_back(name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "firstRunFlag",     "keyModeA",         "reserved080",      "reportInterval",
                  "reserved086",      "dpiLevel",         "dpiStageOn",       "dpiColour",
                  "lightMode",        "lightLevel1",      "lightLevel2",      "lightLevel3",
                  "lightColourMode1", "lightColourMode2", "lightColourMode3", "reserved0A2",
                  "macroData",        "pointerPrecision", "scrollByScreen",   "pointerSpeedLevel",
                  "scrollLines",      "doubleClickLevel", "keyMode",          "keyModeB",
                  "dpiSwitchParamA",  "dpiSwitchParamB"}));
    EXPECT_EQ(shown["keyModeA"].size(), 16u);
    EXPECT_EQ(shown["keyModeA"].begin().key(), "keyFunctionA");
    EXPECT_EQ(shown["firstRunFlag"], 1);
    EXPECT_EQ(shown["reportInterval"], 8);
    EXPECT_EQ(shown["keyModeA"]["keyFunctionA"], ordered_json({0, 1, 2, 3, 4, 6, 15, 15}));
    EXPECT_EQ(shown["keyModeB"]["comboKey2B"], ordered_json({0, 0, 0, 0, 0, 0, 0, 43}));
    EXPECT_EQ(shown["dpiSwitchParamB"], ordered_json({1, 2, 3, 1, 2, 3, 1, 2}));
    // Twelve macro slots, 128 bytes each as 256 hex digits.
    ASSERT_EQ(shown["macroData"].size(), 12u);
    EXPECT_EQ(shown["macroData"][0], std::string(256, '0'));
    std::string ab;
    for (int i = 0; i < 128; ++i) {
        ab += "ab";
    }
    EXPECT_EQ(shown["macroData"][3], ab);
}

TEST_F(SettingsCommandsTest, MatricesPrintsFourLinesOfSixteenEntries) {
    writeConfig(factorySettings());
    const auto r = runIn("matrices");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto printed = lines(r.out);
    ASSERT_EQ(printed.size(), 4u) << r.out;
    const std::regex line("matrix [1-4]:( [0-9a-f]{8}){16}");
    for (std::size_t m = 0; m < 4; ++m) {
        EXPECT_TRUE(std::regex_match(printed[m], line)) << printed[m];
        EXPECT_EQ(printed[m].rfind("matrix " + std::to_string(m + 1) + ": ", 0), 0u);
    }
    // Default buttons: Left, Right, Mid, then Backward before Forward, DPI Loop, Key Off.
    const std::string defaults = ": 0100f000 0100f100 0100f200 0100f300 0100f400 07000300 "
                                 "00000000 00000000 00000000 00000000 00000000 00000000 "
                                 "00000000 00000000 0100f700 0100f800";
    EXPECT_EQ(printed[0], "matrix 1" + defaults);
    EXPECT_EQ(printed[2], "matrix 3" + defaults);
    std::string zero = "matrix 2:";
    for (int k = 0; k < 16; ++k) {
        zero += " 00000000";
    }
    EXPECT_EQ(printed[1], zero);
    zero[7] = '4';
    EXPECT_EQ(printed[3], zero);
}

TEST_F(SettingsCommandsTest, MissingOrBrokenConfigFailsWithItsReason) {
    for (const char* command : {"show", "matrices"}) {
        auto r = runIn(command); // no config.bin at all
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.out, "");
        // The program's text once, then the path and where to restore from.
        ASSERT_EQ(lines(r.err).size(), 2u) << r.err;
        EXPECT_EQ(lines(r.err)[0], "pelmora-cli: Config file is not exist.");
        EXPECT_EQ(lines(r.err)[1].rfind("pelmora-cli: " + (folder / "config.bin").string() +
                                            " is missing. Restore it from ",
                                        0),
                  0u)
            << r.err;
    }

    ScratchFolder::write(folder / "config.bin", std::vector<std::uint8_t>(1849, 0));
    for (const char* command : {"show", "matrices"}) {
        const auto r = runIn(command);
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    }

    std::filesystem::remove(folder / "config.bin");
    std::filesystem::create_directory(folder / "config.bin");
    const auto r = runIn("show");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
}

TEST(CliUsage, BadCommandLinesGiveStatusTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"frobnicate"},
        {"--no-such-option", "show"},
        {"--data-dir"},
        {"--data-dir", "/tmp"},
        {"show", "extra"},
        {"matrices", "extra"},
    };
    for (const auto& args : bad) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(nothing)" : args[0]);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    }
}

// A value joined to its option by "=" is taken as one after it; --version
// names the program and its licence.
TEST(CliUsage, OptionValuesMayBeJoinedByAnEqualsSign) {
    ScratchFolder folder;
    std::string error;
    ASSERT_TRUE(writeSettingsFileAtomically(folder / "config.bin", factorySettings(), 0, error));
    pelmora::testing::writeTextFile(folder / "items.txt", "a down\na up\n");
    const std::string dir = "--data-dir=" + folder.path().string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{dir, "get", "--sensor=1", "dpi4"}, "dpi4=8 (3200 DPI)\n"},
        {{dir, "set", "--sensor=1", "dpi4=5"}, ""},
        {{dir, "macro", "add", "M", "--loop=2", "--from=" + (folder / "items.txt").string()}, ""},
        {{dir, "macros"}, "slot 1: M (loop 2, 2 items)\n"},
        {{dir, "--sim-state=" + (folder / "mouse.json").string(),
          "--sim-control=" + (folder / "control").string(), "apply"},
         ""},
        {{"--version"}, "pelmora-cli 0.1.0\nLicense GPL-3.0-or-later"},
    };
    for (const auto& [args, expected] : cases) {
        const auto r = runCli(args);
        EXPECT_EQ(r.status, 0) << args[1] << ": " << r.err;
        EXPECT_TRUE(r.out.starts_with(expected)) << args[1] << ": " << r.out;
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "mouse.json"));
    EXPECT_TRUE(std::filesystem::exists(folder / "control"));
}

TEST(CliUsage, HelpListsTheCommands) {
    const auto r = runCli({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("show"), std::string::npos);
    EXPECT_NE(r.out.find("matrices"), std::string::npos);
    EXPECT_NE(r.out.find("--data-dir"), std::string::npos);
}

// The built program with no options reads the config.bin delivered beside it.
TEST(CliProgram, ReadsTheDeliveredConfigBesideIt) {
    const std::string command =
        "env -u PELMORA_DATA_DIR " + std::string(PELMORA_BIN_DIR) + "/pelmora-cli matrices";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        out += buffer;
    }
    EXPECT_EQ(::pclose(pipe), 0);
    const auto printed = lines(out);
    ASSERT_EQ(printed.size(), 4u) << out;
    EXPECT_EQ(printed[0].rfind("matrix 1: 0100f000 ", 0), 0u) << printed[0];
}

} // namespace
} // namespace pelmora::cli
