#include "cli/cli.h"
#include "settings/factory_settings.h"
#include "settings/settings_file.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace pelmora::cli {
namespace {

using pelmora::testing::lines;
using pelmora::testing::runCli;
using pelmora::testing::ScratchFolder;

void writeFactoryConfig(const std::filesystem::path& file) {
    std::string error;
    ASSERT_TRUE(writeSettingsFileAtomically(file, factorySettings(), 0, error)) << error;
}

TEST(DeviceCommandsTest, ApplyWithTraceOnTheSimulatedMouse) {
    ScratchFolder folder;
    writeFactoryConfig(folder.path() / "config.bin");
    const auto state = (folder.path() / "mouse.json").string();
    const auto result = runCli({"--data-dir", folder.path().string(), "--simulate", "--sim-state",
                                state, "--trace", "apply"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto out = lines(result.out);
    auto count = [&](std::string_view prefix) {
        return std::count_if(out.begin(), out.end(),
                             [&](const std::string& l) { return l.starts_with(prefix); });
    };
    // The read of the basic settings first, then Apply.
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(out[0], "set 830000000000007c");
    EXPECT_EQ(out[1], "get 830001000000007b");
    EXPECT_EQ(out[2], "set 03000100400000bb");
    EXPECT_EQ(out[3], "set 01010000000000fd");
    EXPECT_EQ(count("out "), 58);
    EXPECT_EQ(count("in "), 48);
    EXPECT_EQ(count("sleep 2"), 34);
    EXPECT_EQ(count("sleep 3"), 58);
    EXPECT_EQ(out.back(), "applied " + (folder.path() / "config.bin").string() + " to the mouse");
    for (const auto& line : out) {
        EXPECT_TRUE(line.starts_with("set ") || line.starts_with("get ") ||
                    line.starts_with("out ") || line.starts_with("in ") ||
                    line.starts_with("sleep ") || line.starts_with("applied "))
            << line;
    }
    // config.bin was saved with its flag set, and the mouse kept the stages.
    std::ifstream config(folder.path() / "config.bin", std::ios::binary);
    EXPECT_EQ(config.get(), 1);
    std::ifstream json(state);
    std::string text((std::istreambuf_iterator<char>(json)), {});
    EXPECT_NE(text.find("\"reportInterval\": 1"), std::string::npos);
}

TEST(DeviceCommandsTest, ApplySavesTheButtonLabelsAfterConfig) {
    ScratchFolder folder;
    writeFactoryConfig(folder.path() / "config.bin"); // never saved: first-run labels
    { std::ofstream(folder.path() / "str.ini") << "[Skins]\nLan=EN\n"; }
    const auto result = runCli({"--data-dir", folder.path().string(), "--simulate", "apply"});
    ASSERT_EQ(result.status, 0) << result.err;
    std::ifstream in(folder.path() / "str.ini");
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("Item1=Left Click"), std::string::npos) << text;
    EXPECT_NE(text.find("Item6=DPI Loop"), std::string::npos) << text;
    EXPECT_NE(text.find("Lan=EN"), std::string::npos);

    // Without str.ini the labels go into a new one, as the window writes them.
    std::filesystem::remove(folder.path() / "str.ini");
    writeFactoryConfig(folder.path() / "config.bin");
    const auto noPrefs = runCli({"--data-dir", folder.path().string(), "--simulate", "apply"});
    EXPECT_EQ(noPrefs.status, 0) << noPrefs.err;
    EXPECT_EQ(noPrefs.err, "");
    std::ifstream created(folder.path() / "str.ini");
    const std::string fresh((std::istreambuf_iterator<char>(created)), {});
    EXPECT_NE(fresh.find("[Setting-EN]"), std::string::npos) << fresh;
    EXPECT_NE(fresh.find("Item1=Left Click"), std::string::npos) << fresh;
    EXPECT_NE(fresh.find("Item83=Key Off"), std::string::npos) << fresh;

    // Labels that cannot be saved fail the apply, naming the file.
    std::filesystem::remove(folder.path() / "str.ini");
    std::filesystem::create_directory(folder.path() / "str.ini");
    const auto lost = runCli({"--data-dir", folder.path().string(), "--simulate", "apply"});
    EXPECT_EQ(lost.status, 1);
    EXPECT_NE(lost.err.find((folder.path() / "str.ini").string() + " (the button labels) was not "
                                                                   "saved"),
              std::string::npos)
        << lost.err;
}

TEST(DeviceCommandsTest, ReadPrintsTheBasicSettingsAndTable) {
    ScratchFolder folder;
    const auto state = folder.path() / "mouse.json";
    { std::ofstream(state) << R"({"sensorType": 3, "reportRate": 2})"; }
    const auto result = runCli({"--sim-state", state.string(), "read"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "sensor type: 3\nreport rate: 2\noption1: 0\noption2: 64\n"
                          "DPI table: 400 800 1200 1600 2000 2400 2800 3200\n");
}

TEST(DeviceCommandsTest, ApplyWithoutSettingsSendsNothing) {
    ScratchFolder folder;
    const auto state = folder.path() / "mouse.json";
    const auto missing = runCli(
        {"--data-dir", folder.path().string(), "--sim-state", state.string(), "--trace", "apply"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("Config file is not exist."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(state));

    { std::ofstream(folder.path() / "config.bin") << "short"; }
    const auto shortFile = runCli(
        {"--data-dir", folder.path().string(), "--sim-state", state.string(), "--trace", "apply"});
    EXPECT_EQ(shortFile.status, 1);
    EXPECT_EQ(shortFile.out, "");
}

TEST(DeviceCommandsTest, DamagedSimulatedStateIsReported) {
    ScratchFolder folder;
    const auto state = folder.path() / "mouse.json";
    { std::ofstream(state) << "{\"sensorType\": "; }
    const auto result = runCli({"--sim-state", state.string(), "read"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("damaged"), std::string::npos);
    EXPECT_EQ(lines(result.err).size(), 1u);
}

TEST(DeviceCommandsTest, ControlPathThatIsNoPipeIsRefused) {
    ScratchFolder folder;
    const auto file = folder.path() / "plain";
    { std::ofstream(file) << "x"; }
    const auto result = runCli({"--sim-control", file.string(), "read"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("is not a named pipe"), std::string::npos);
}

TEST(DeviceCommandsTest, DevicesListsTheSimulatedCollections) {
    const auto result = runCli({"--simulate", "devices"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto out = lines(result.out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[2], "sim:command  usage page 0xff00 usage 0xff00  input 33 output 33 feature 9");
    EXPECT_EQ(out[3], "using sim:command");
    EXPECT_EQ(runCli({"--simulate", "devices", "x"}).status, 2);
}

} // namespace
} // namespace pelmora::cli
