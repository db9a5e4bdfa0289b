// The config.bin the build places beside the programs.
#include "settings/factory_settings.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora {
namespace {

TEST(DeliveredConfig, HasFlagZeroAndTheFactorySettings) {
    const std::filesystem::path file = std::filesystem::path(PELMORA_BIN_DIR) / "config.bin";
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 1850u);

    RecordingMessageSink messages;
    SettingsBlock settings{};
    std::uint8_t flag = 0xFF;
    ASSERT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::Loaded);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(settings, factorySettings());
}

TEST(DeliveredConfig, FactorySettingsAreUsable) {
    const SettingsBlock s = factorySettings();
    const ButtonBytes defaults{0, 1, 2, 3, 4, 6, 15, 15};
    EXPECT_EQ(s.keyBlockA.keyFunction, defaults);
    EXPECT_EQ(s.keyBlockB.keyFunction, defaults);
    EXPECT_EQ(s.dpiSwitchParamA[5], 3); // button 6 is "DPI Loop"
    EXPECT_EQ(s.dpiSwitchParamB[5], 3);
    EXPECT_EQ(s.dpiStageOn, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(s.reportInterval, 1);
    EXPECT_EQ(s.pointerSpeedLevel, 6);
    EXPECT_EQ(s.scrollLines, 3);
    EXPECT_EQ(s.doubleClickLevel, 6);
    EXPECT_EQ(s.keyMode, 0);
}

} // namespace
} // namespace pelmora
