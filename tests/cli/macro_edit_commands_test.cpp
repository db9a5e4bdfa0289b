#include "settings/factory_settings.h"
#include "settings/settings_file.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelmora::cli {
namespace {

using pelmora::testing::lines;
using pelmora::testing::readTextFile;
using pelmora::testing::runCli;
using pelmora::testing::ScratchFolder;
using pelmora::testing::writeTextFile;

class MacroEditCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(
            writeSettingsFileAtomically(folder / "config.bin", factorySettings(), 0, error));
    }
    pelmora::testing::CliOutcome cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", folder.path().string()});
        return runCli(args);
    }
    ScratchFolder folder;
};

TEST_F(MacroEditCommandsTest, AddStoresTheItemsAndRebuildsTheSlots) {
    auto r = cli({"macro", "add", "Reload", "--loop", "3", "r down", "20ms", "R Up"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readTextFile(folder / "record.ini"),
              "[Reload]\nMacroLoopTimes=3\nItemCount=3\nItem0=R   Dn\nItem1=20 ms\nItem2=R   Up\n");
    writeTextFile(folder / "items.txt", "Left Ctrl down\r\n\nL-Button   Dn\n50 ms\nl-button up\n");
    r = cli({"macro", "add", "Grab", "--from", (folder / "items.txt").string()});
    EXPECT_EQ(r.status, 2) << "Left Ctrl is a modifier name, not a key name: " << r.err;
    writeTextFile(folder / "items.txt", "Ctrl down\r\n\nL-Button   Dn\n50 ms\nl-button up\n");
    r = cli({"macro", "add", "Grab", "--from", (folder / "items.txt").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(cli({"macro", "list"}).out,
              "slot 1: Reload (loop 3, 3 items)\nslot 2: Grab (loop 1, 4 items)\n");
    // The slots in config.bin are what the encoder makes of record.ini.
    const auto show = cli({"show"}).out;
    for (const auto& line : lines(cli({"encode-macros"}).out)) {
        EXPECT_NE(show.find(line.substr(line.find(": ") + 2)), std::string::npos) << line;
    }
}

TEST_F(MacroEditCommandsTest, RefusalsChangeNothing) {
    ASSERT_EQ(cli({"macro", "add", "Reload", "r down", "r up"}).status, 0);
    const std::string record = readTextFile(folder / "record.ini");
    const std::string config = readTextFile(folder / "config.bin");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"macro", "add", "RELOAD", "a down"}, "already exists"},
        {{"macro", "add", "[x", "a down"}, "\"[x\""},
        {{"macro", "add", std::string(32, 'n'), "a down"}, "31"},
        {{"macro", "add", "New", "a sideways"}, "item 1 \"a sideways\""},
        {{"macro", "add", "New", "Foo down"}, "KEY down"},
        {{"macro", "add", "New", "20000 ms"}, "0..10000"},
        {{"macro", "add", "New"}, "at least one item"},
        {{"macro", "add", "New", "--loop", "0", "a down"}, "1 to 65535"},
        {{"macro", "loop", "Reload", "70000"}, "1 to 65535"},
        {{"macro", "loop", "Other", "2"}, "no macro"},
        {{"macro", "delete", "Other"}, "no macro"},
        {{"macro", "rename"}, "list, add, delete or loop"},
    };
    for (const auto& [args, expected] : cases) {
        const auto r = cli(args);
        EXPECT_EQ(r.status, 2) << expected;
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        EXPECT_EQ(readTextFile(folder / "record.ini"), record) << expected;
        EXPECT_EQ(readTextFile(folder / "config.bin"), config) << expected;
    }
    for (int m = 2; m <= 12; ++m) {
        ASSERT_EQ(cli({"macro", "add", "M" + std::to_string(m), "a down"}).status, 0);
    }
    const auto r = cli({"macro", "add", "M13", "a down"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Macro numbers up to 12."), std::string::npos) << r.err;
}

TEST_F(MacroEditCommandsTest, DeleteMovesLaterMacrosUpAndLoopSetsTheSlot) {
    ASSERT_EQ(cli({"macro", "add", "One", "a down", "a up"}).status, 0);
    ASSERT_EQ(cli({"macro", "add", "Two", "b down", "b up"}).status, 0);
    const std::string twoAlone = [&] {
        ScratchFolder other;
        std::string error;
        writeSettingsFileAtomically(other / "config.bin", factorySettings(), 0, error);
        runCli({"--data-dir", other.path().string(), "macro", "add", "Two", "b down", "b up"});
        const auto out = runCli({"--data-dir", other.path().string(), "encode-macros"}).out;
        return lines(out)[0].substr(8);
    }();
    ASSERT_EQ(cli({"macro", "delete", "one"}).status, 0);
    EXPECT_EQ(cli({"macro", "list"}).out, "slot 1: Two (loop 1, 2 items)\n");
    EXPECT_NE(cli({"show"}).out.find("\"" + twoAlone + "\""), std::string::npos);

    ASSERT_EQ(cli({"macro", "loop", "TWO", "300"}).status, 0);
    EXPECT_EQ(cli({"macro", "list"}).out, "slot 1: Two (loop 300, 2 items)\n");
    EXPECT_NE(cli({"show"}).out.find("\"012c"), std::string::npos); // 300 leads slot 1
}

TEST_F(MacroEditCommandsTest, EventsThatDoNotFitAreReported) {
    std::vector<std::string> args = {"macro", "add", "Long"};
    for (int i = 0; i < 60; ++i) {
        args.insert(args.end(), {"a down", "10 ms", "a up"});
    }
    const auto r = cli(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("Long"), std::string::npos) << r.err;
    EXPECT_EQ(cli({"macro", "list"}).out, "slot 1: Long (loop 1, 180 items)\n");
}

} // namespace
} // namespace pelmora::cli
