// Levels of the advanced page against desktop values, both ways, and what
// OK/Apply and Default make of them.
#include "settings/factory_settings.h"
#include "desktop/pointer_levels.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(PointerLevels, SpeedLevelsSpanTheDesktopRangeWithTheDefaultInTheMiddle) {
    EXPECT_DOUBLE_EQ(speedForLevel(1), -1.0);
    EXPECT_DOUBLE_EQ(speedForLevel(6), 0.0);
    EXPECT_DOUBLE_EQ(speedForLevel(8), 0.4);
    EXPECT_DOUBLE_EQ(speedForLevel(11), 1.0);
    for (int level = 1; level <= kPointerSteps; ++level) {
        EXPECT_EQ(levelForSpeed(speedForLevel(level)), level);
    }
    // Between the steps: the nearest level; beyond the range: the row's ends.
    EXPECT_EQ(levelForSpeed(0.29), 7);
    EXPECT_EQ(levelForSpeed(0.31), 8);
    EXPECT_EQ(levelForSpeed(-0.95), 1);
    EXPECT_EQ(levelForSpeed(3.0), 11);
    EXPECT_EQ(levelForSpeed(-3.0), 1);
}

TEST(PointerLevels, DoubleClickLevelsRunFrom900DownTo200Milliseconds) {
    EXPECT_EQ(doubleClickForLevel(1), 900);
    EXPECT_EQ(doubleClickForLevel(6), 550);
    EXPECT_EQ(doubleClickForLevel(11), 200);
    EXPECT_EQ(levelForDoubleClick(900), 1);
    EXPECT_EQ(levelForDoubleClick(500), 6);
    EXPECT_EQ(levelForDoubleClick(400), 8);
    EXPECT_EQ(levelForDoubleClick(200), 11);
    // Beyond the row: faster gives levels above 11, slower gives 0.
    EXPECT_EQ(levelForDoubleClick(100), 12);
    EXPECT_EQ(levelForDoubleClick(0), 13);
    EXPECT_EQ(levelForDoubleClick(901), 0);
    EXPECT_EQ(levelForDoubleClick(5000), 0);
    EXPECT_EQ(levelForDoubleClick(-100000), 255);
}

TEST(PointerLevels, DesktopDefaultsReadAsTheMiddleLevels) {
    SettingsBlock s{};
    PointerValues v;
    v.speed = 0.0;
    v.wheelLines = 3;
    v.doubleClickMs = 500;
    v.precision = true;
    storePointerValues(v, s);
    EXPECT_EQ(s.pointerSpeedLevel, 6);
    EXPECT_EQ(s.scrollLines, 3);
    EXPECT_EQ(s.doubleClickLevel, 6);
    EXPECT_EQ(s.pointerPrecision, 1);

    v.speed = -1.0;
    v.precision = false;
    storePointerValues(v, s);
    EXPECT_EQ(s.pointerSpeedLevel, 1);
    EXPECT_EQ(s.pointerPrecision, 0);
}

TEST(PointerLevels, ValuesTheDesktopDoesNotGiveKeepTheirLevels) {
    SettingsBlock s = factorySettings();
    s.pointerPrecision = 1;
    s.scrollByScreen = 1;
    s.scrollLines = 0;
    PointerValues v;
    v.doubleClickMs = 900;
    storePointerValues(v, s);
    EXPECT_EQ(s.doubleClickLevel, 1);
    EXPECT_EQ(s.pointerSpeedLevel, 6);
    EXPECT_EQ(s.pointerPrecision, 1);
    EXPECT_EQ(s.scrollByScreen, 1);

    // A desktop that counts wheel lines scrolls by lines, not by screens.
    v.wheelLines = 5;
    storePointerValues(v, s);
    EXPECT_EQ(s.scrollLines, 5);
    EXPECT_EQ(s.scrollByScreen, 0);
    // One screen per notch: the box set, no line lit.
    v.scrollByScreen = true;
    storePointerValues(v, s);
    EXPECT_EQ(s.scrollByScreen, 1);
    EXPECT_EQ(s.scrollLines, 0);
}

TEST(PointerLevels, ApplyWritesEveryValidLevelConverted) {
    SettingsBlock s = factorySettings();
    s.pointerSpeedLevel = 1;
    s.pointerPrecision = 1;
    s.scrollLines = 11;
    s.doubleClickLevel = 11;
    const PointerValues v = pointerValuesToWrite(s);
    EXPECT_EQ(v.speed, -1.0);
    EXPECT_EQ(v.precision, true);
    EXPECT_EQ(v.wheelLines, 11);
    EXPECT_EQ(v.scrollByScreen, false);
    EXPECT_EQ(v.doubleClickMs, 200);

    s.pointerSpeedLevel = 11;
    s.pointerPrecision = 0;
    EXPECT_EQ(pointerValuesToWrite(s).speed, 1.0);
    EXPECT_EQ(pointerValuesToWrite(s).precision, false);
}

TEST(PointerLevels, ScrollOneScreenReplacesTheLinesWhateverTickIsLit) {
    SettingsBlock s = factorySettings();
    s.scrollByScreen = 1;
    s.scrollLines = 7;
    const PointerValues v = pointerValuesToWrite(s);
    EXPECT_EQ(v.scrollByScreen, true);
    EXPECT_FALSE(v.wheelLines.has_value());
}

TEST(PointerLevels, LevelsOutsideTheRowAreNeverWritten) {
    // A settings file from before the page was first shown holds 0: the
    // speed would go out as -2 and the double-click time as 970 ms.
    SettingsBlock s{};
    EXPECT_EQ(pointerValuesToWrite(s), PointerValues{});

    s.pointerSpeedLevel = 12;
    s.scrollLines = 40;
    s.doubleClickLevel = 12;
    s.pointerPrecision = 1;
    EXPECT_EQ(pointerValuesToWrite(s), PointerValues{});
}

TEST(PointerLevels, DefaultWrites500MillisecondsAndLevel6WritesLaterAs550) {
    const PointerValues d = defaultPointerValues();
    EXPECT_EQ(d.speed, 0.0);
    EXPECT_EQ(d.precision, false);
    EXPECT_EQ(d.wheelLines, 3);
    EXPECT_EQ(d.scrollByScreen, false);
    EXPECT_EQ(d.doubleClickMs, 500);

    SettingsBlock s{};
    s.pointerPrecision = 1;
    s.scrollByScreen = 1;
    setDefaultPointerLevels(s);
    EXPECT_EQ(s.pointerPrecision, 0);
    EXPECT_EQ(s.scrollByScreen, 0);
    EXPECT_EQ(s.pointerSpeedLevel, 6);
    EXPECT_EQ(s.scrollLines, 3);
    EXPECT_EQ(s.doubleClickLevel, 6);
    EXPECT_EQ(pointerValuesToWrite(s).doubleClickMs, 550);
}

TEST(PointerLevels, TicksStoreTheirLevelAndNothingElseIsTaken) {
    SettingsBlock s = factorySettings();
    s.scrollByScreen = 1;
    EXPECT_TRUE(pickPointerTick(s, PointerRow::Speed, 11));
    EXPECT_TRUE(pickPointerTick(s, PointerRow::WheelLines, 1));
    EXPECT_TRUE(pickPointerTick(s, PointerRow::DoubleClick, 4));
    EXPECT_EQ(s.pointerSpeedLevel, 11);
    EXPECT_EQ(s.scrollLines, 1);
    EXPECT_EQ(s.doubleClickLevel, 4);
    EXPECT_EQ(s.scrollByScreen, 1); // a wheel tick leaves the box alone
    EXPECT_EQ(pointerRowLevel(s, PointerRow::DoubleClick), 4);
    const SettingsBlock before = s;
    for (int tick : {0, 12, -1, 256}) {
        EXPECT_FALSE(pickPointerTick(s, PointerRow::Speed, tick)) << tick;
    }
    EXPECT_TRUE(s == before);
}

TEST(PointerLevels, ABoxIsTickedOnlyByAOneAndAClickTurnsAnyOtherByteIntoOne) {
    SettingsBlock s{};
    s.pointerPrecision = 2;
    EXPECT_FALSE(pointerBoxTicked(s, PointerBox::Precision));
    EXPECT_TRUE(togglePointerBox(s, PointerBox::Precision));
    EXPECT_EQ(s.pointerPrecision, 1);
    EXPECT_FALSE(togglePointerBox(s, PointerBox::Precision));
    EXPECT_EQ(s.pointerPrecision, 0);
    setPointerBox(s, PointerBox::ScrollByScreen, true);
    EXPECT_EQ(s.scrollByScreen, 1);
    EXPECT_EQ(s.pointerPrecision, 0);
}

} // namespace
} // namespace pelmora
