// Report rate and DPI stages as the basic page edits them.
#include "settings/dpi_rate_settings.h"
#include "settings/dpi_tables.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

SettingsBlock allStagesOn() {
    SettingsBlock s{};
    s.dpiStageOn = {1, 1, 1, 1};
    return s;
}

TEST(ReportRateSteps, StoredIntervalLightsItsStepAndAnythingElseLights1000) {
    EXPECT_EQ(litRateStep(8), 0u);
    EXPECT_EQ(litRateStep(4), 1u);
    EXPECT_EQ(litRateStep(2), 2u);
    EXPECT_EQ(litRateStep(1), 3u);
    EXPECT_EQ(litRateStep(0), 3u);
    EXPECT_EQ(litRateStep(3), 3u);
    EXPECT_EQ(litRateStep(255), 3u);
}

TEST(ReportRateSteps, ClickStoresTheIntervalAndSaysWhetherTheLitStepMoved) {
    SettingsBlock s{};
    s.reportInterval = 0; // a file without a stored rate: 1000 is lit
    EXPECT_FALSE(setReportRateStep(s, 3));
    EXPECT_EQ(s.reportInterval, 1);
    EXPECT_TRUE(setReportRateStep(s, 1));
    EXPECT_EQ(s.reportInterval, 4);
    EXPECT_FALSE(setReportRateStep(s, 1));
    EXPECT_TRUE(setReportRateStep(s, 0));
    EXPECT_EQ(s.reportInterval, 8);
    EXPECT_FALSE(setReportRateStep(s, 4)); // no such step: nothing stored
    EXPECT_EQ(s.reportInterval, 8);
}

TEST(ReportRateSteps, RatesInReportsPerSecondMapToSteps) {
    EXPECT_EQ(rateStepOf(125), 0u);
    EXPECT_EQ(rateStepOf(1000), 3u);
    EXPECT_FALSE(rateStepOf(300).has_value());
    EXPECT_FALSE(rateStepOf(0).has_value());
}

TEST(DpiLevels, SensorTypeChoosesTableAndCount) {
    for (std::uint8_t type : {1, 2, 3}) {
        EXPECT_EQ(dpiShownLevelCount(type), 8) << int(type);
        EXPECT_EQ(dpiLabelSensorType(type), type);
    }
    for (std::uint8_t type : {0, 4, 9, 255}) {
        EXPECT_EQ(dpiShownLevelCount(type), 12) << int(type);
        EXPECT_EQ(dpiLabelSensorType(type), 0) << int(type);
    }
    // The labels agree with the balloon's table: type 1's level 2 is 800.
    EXPECT_EQ(dpiValueText(dpiLabelSensorType(1), 1), "800");
    EXPECT_EQ(dpiValueText(dpiLabelSensorType(7), 11), "4000");
}

TEST(DpiLevels, CellsNineToTwelveTakeClicksOnlyForSensorTypeZero) {
    EXPECT_TRUE(dpiLevelCellClickable(0, 12));
    EXPECT_TRUE(dpiLevelCellClickable(0, 9));
    // An unknown type shows twelve cells, but the top four are not hot.
    EXPECT_TRUE(dpiLevelCellClickable(5, 8));
    EXPECT_FALSE(dpiLevelCellClickable(5, 9));
    EXPECT_FALSE(dpiLevelCellClickable(0, 13));
    EXPECT_FALSE(dpiLevelCellClickable(0, 0));

    // Sensor type 1: the ninth cell stores nothing.
    SettingsBlock s = allStagesOn();
    s.dpiLevel = {2, 2, 2, 2};
    EXPECT_FALSE(setDpiLevel(s, 0, 9, 1));
    EXPECT_EQ(s.dpiLevel[0], 2);
    EXPECT_TRUE(setDpiLevel(s, 0, 8, 1));
    EXPECT_EQ(s.dpiLevel[0], 7);
    EXPECT_TRUE(setDpiLevel(s, 3, 12, 0));
    EXPECT_EQ(s.dpiLevel[3], 11);
    EXPECT_FALSE(setDpiLevel(s, 4, 1, 0));
}

TEST(DpiLevels, DisabledStageStoresTheLevelButDrawsDark) {
    SettingsBlock s = allStagesOn();
    s.dpiStageOn[1] = 0;
    EXPECT_TRUE(setDpiLevel(s, 1, 5, 0));
    EXPECT_EQ(s.dpiLevel[1], 4);
    EXPECT_EQ(s.dpiStageOn[1], 0);
    EXPECT_EQ(dpiLitCells(s, 1, 0), 0);
}

TEST(DpiLevels, LevelAboveTheColumnIsDrawnClampedAndKept) {
    SettingsBlock s = allStagesOn();
    s.dpiLevel = {11, 7, 0, 200};
    EXPECT_EQ(dpiLitCells(s, 0, 1), 8); // from a 12-level sensor on an 8-level one
    EXPECT_EQ(dpiLitCells(s, 1, 1), 8);
    EXPECT_EQ(dpiLitCells(s, 2, 1), 1);
    EXPECT_EQ(dpiLitCells(s, 3, 0), 12);
    EXPECT_EQ(dpiLitCells(s, 0, 0), 12);
    EXPECT_EQ(s.dpiLevel[0], 11);
    EXPECT_EQ(s.dpiLevel[3], 200);
}

TEST(DpiStages, TheLastEnabledStageCannotBeDisabled) {
    SettingsBlock s = allStagesOn();
    EXPECT_EQ(toggleDpiStage(s, 0), StageToggle::Disabled);
    EXPECT_EQ(toggleDpiStage(s, 1), StageToggle::Disabled);
    EXPECT_EQ(toggleDpiStage(s, 2), StageToggle::Disabled);
    EXPECT_EQ(toggleDpiStage(s, 3), StageToggle::KeptLastStage);
    EXPECT_EQ(s.dpiStageOn, (std::array<std::uint8_t, 4>{0, 0, 0, 1}));
    EXPECT_FALSE(setDpiStageOn(s, 3, false));
    EXPECT_EQ(toggleDpiStage(s, 1), StageToggle::Enabled);
    EXPECT_TRUE(setDpiStageOn(s, 3, false));
    EXPECT_EQ(s.dpiStageOn, (std::array<std::uint8_t, 4>{0, 1, 0, 0}));
}

TEST(DpiStages, ADamagedStageByteIsTreatedAsOffAndEnabledByAClick) {
    SettingsBlock s = allStagesOn();
    s.dpiStageOn[2] = 7;
    EXPECT_EQ(dpiLitCells(s, 2, 0), 0);
    EXPECT_EQ(toggleDpiStage(s, 2), StageToggle::Enabled);
    EXPECT_EQ(s.dpiStageOn[2], 1);
}

} // namespace
} // namespace pelmora
