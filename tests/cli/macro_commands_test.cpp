#include "cli/cli.h"
#include "keys/key_tables.h"
#include "settings/factory_settings.h"
#include "settings/settings_file.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora::cli {
namespace {

using pelmora::testing::lines;
using pelmora::testing::readTextFile;
using pelmora::testing::ScratchFolder;
using pelmora::testing::writeTextFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class MacroCommandsTest : public ::testing::Test {
protected:
    struct Outcome {
        int status;
        std::string out;
        std::string err;
    };

    void SetUp() override {
        std::string error;
        SettingsBlock settings = factorySettings();
        settings.macroData[11].fill(0xEE);
        ASSERT_TRUE(writeSettingsFileAtomically(folder / "config.bin", settings, 0, error));
    }
    Outcome runIn(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", folder.path().string()});
        std::ostringstream out;
        std::ostringstream err;
        const int status = run(args, out, err);
        return {status, out.str(), err.str()};
    }
    SettingsBlock savedSettings() {
        SettingsBlock settings{};
        std::uint8_t flag = 0;
        RecordingMessageSink sink;
        EXPECT_EQ(loadSettingsFile(folder / "config.bin", settings, flag, sink),
                  LoadResult::Loaded);
        return settings;
    }

    ScratchFolder folder;
};

TEST_F(MacroCommandsTest, EncodePrintsTwelveSlotsAndSavesOnlyWhenAsked) {
    writeTextFile(folder / "record.ini",
                  "[typing]\r\nMacroLoopTimes=3\r\nItemCount=3\r\nItem0=A   Dn\r\n"
                  "Item1=50 ms\r\nItem2=A   Up\r\n");
    const std::string before = readTextFile(folder / "config.bin");
    const auto result = runIn({"encode-macros"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto out = lines(result.out);
    ASSERT_EQ(out.size(), 12u);
    EXPECT_EQ(out[0], "slot 1: 0003050480" + std::string("04") + std::string(244, '0'));
    EXPECT_EQ(out[1], "slot 2: " + std::string(256, '0'));
    EXPECT_EQ(out[11], "slot 12: " + std::string(256, 'e'));
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(readTextFile(folder / "config.bin"), before);

    ASSERT_EQ(runIn({"encode-macros", "--save"}).status, 0);
    const auto saved = savedSettings();
    EXPECT_EQ(saved.macroData[0][2], 0x05);
    EXPECT_EQ(saved.macroData[0][3], keyCodeFromName("A"));
    EXPECT_EQ(readTextFile(folder / "config.bin")[0], '\x01');
}

TEST_F(MacroCommandsTest, EncodeReportsDroppedEventsAndSkippedMacros) {
    std::string ini;
    for (int m = 1; m <= 13; ++m) {
        ini += "[m" + std::to_string(m) + "]\nMacroLoopTimes=1\n";
        const int events = m == 1 ? 65 : 1;
        ini += "ItemCount=" + std::to_string(events) + "\n";
        for (int i = 0; i < events; ++i) {
            ini += "Item" + std::to_string(i) + "=B   Dn\n";
        }
    }
    writeTextFile(folder / "record.ini", ini);
    const auto result = runIn({"encode-macros"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(lines(result.out).size(), 12u);
    const auto err = lines(result.err);
    ASSERT_EQ(err.size(), 3u);
    EXPECT_THAT(err[0], HasSubstr("\"m1\" (slot 1): item 63 \"B   Dn\""));
    EXPECT_THAT(err[1], HasSubstr("item 64"));
    EXPECT_THAT(err[2], HasSubstr("\"m13\" is not encoded"));
}

// A megabyte of record.ini: one macro of 32000 items and 5000 small macros.
// Listing and encoding it takes a fraction of a second; reading that grows
// with the square of the file (a name scan per key or a file read per macro)
// would take minutes. The bound is generous on purpose.
TEST_F(MacroCommandsTest, AMegabyteRecordIniIsListedAndEncodedQuickly) {
    std::string ini = "[long]\nMacroLoopTimes=1\nItemCount=32000\n";
    for (int i = 0; i < 32000; ++i) {
        ini += "Item" + std::to_string(i) + (i % 2 == 0 ? "=A   Dn\n" : "=10 ms\n");
    }
    for (int m = 0; m < 5000; ++m) {
        ini += "[a macro with the number " + std::to_string(m) +
               "]\nMacroLoopTimes=2\nItemCount=3\nItem0=B   Dn\nItem1=20 ms\nItem2=B   Up\n";
    }
    ASSERT_GT(ini.size(), 1'000'000u);
    writeTextFile(folder / "record.ini", ini);

    const auto start = std::chrono::steady_clock::now();
    const auto listed = runIn({"macros"});
    const auto encoded = runIn({"encode-macros"});
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(listed.status, 0) << listed.err;
    ASSERT_EQ(encoded.status, 0) << encoded.err;
    const auto out = lines(listed.out);
    ASSERT_EQ(out.size(), 5001u);
    EXPECT_EQ(out[0], "slot 1: long (loop 1, 32000 items)");
    EXPECT_EQ(out[5000], "no slot: a macro with the number 4999 (loop 2, 3 items)");
    EXPECT_LT(elapsed, std::chrono::seconds(10));
}

TEST_F(MacroCommandsTest, EncodeFailsCleanly) {
    EXPECT_EQ(runIn({"encode-macros", "--bogus"}).status, 2);
    std::filesystem::create_directory(folder / "record.ini");
    auto result = runIn({"encode-macros", "--save"});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("macros cannot be read"));
    EXPECT_EQ(readTextFile(folder / "config.bin")[0], '\x00');

    std::filesystem::remove(folder / "config.bin");
    result = runIn({"encode-macros"});
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("Config file is not exist."));
}

TEST_F(MacroCommandsTest, MacrosListsNamesInSlotOrder) {
    EXPECT_EQ(runIn({"macros"}).out, ""); // no record.ini: no macros
    std::string ini;
    for (int m = 1; m <= 13; ++m) {
        ini += "[macro " + std::to_string(m) + "]\nMacroLoopTimes=" + std::to_string(m * 1000) +
               "\nItemCount=1\nItem0=A   Dn\n";
    }
    writeTextFile(folder / "record.ini", ini);
    const auto result = runIn({"macros"});
    ASSERT_EQ(result.status, 0);
    const auto out = lines(result.out);
    ASSERT_EQ(out.size(), 13u);
    EXPECT_EQ(out[0], "slot 1: macro 1 (loop 1000, 1 item)");
    EXPECT_EQ(out[11], "slot 12: macro 12 (loop 12000, 1 item)");
    EXPECT_EQ(out[12], "no slot: macro 13 (loop 13000, 1 item)");
    EXPECT_EQ(runIn({"macros", "extra"}).status, 2);
}

} // namespace
} // namespace pelmora::cli
