#include "keys/key_lists.h"
#include "keys/key_tables.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(KeyLists, FireKeyListAtItsEndsAndAroundTheGaps) {
    ASSERT_EQ(fireKeyList().size(), 61u);
    EXPECT_EQ(fireKeyCode(0), 0x04);
    EXPECT_EQ(fireKeyText(0), "A");
    EXPECT_EQ(fireKeyCode(25), 0x1D);
    EXPECT_EQ(fireKeyCode(26), 0x1E);
    EXPECT_EQ(fireKeyText(35), "0");
    EXPECT_EQ(fireKeyCode(35), 0x27);
    EXPECT_EQ(fireKeyCode(36), 0xE0);
    EXPECT_EQ(fireKeyCode(38), 0xE2);
    // No Windows key: right-hand modifiers follow the left Alt directly.
    EXPECT_EQ(fireKeyText(39), "R-CTRL");
    EXPECT_EQ(fireKeyCode(39), 0xE4);
    EXPECT_EQ(fireKeyText(40), "R-SHIFT");
    EXPECT_EQ(fireKeyCode(40), 0xE5);
    EXPECT_EQ(fireKeyCode(41), 0xE6);
    EXPECT_EQ(fireKeyText(42), "F1");
    EXPECT_EQ(fireKeyCode(42), 0x3A);
    EXPECT_EQ(fireKeyCode(53), 0x45);
    EXPECT_EQ(fireKeyText(54), "L-Button");
    EXPECT_EQ(fireKeyCode(54), 0xF0);
    EXPECT_EQ(fireKeyText(57), "B4-Button");
    EXPECT_EQ(fireKeyCode(57), 0xF3);
    EXPECT_EQ(fireKeyText(60), "R-Tilt Wheel");
    EXPECT_EQ(fireKeyCode(60), 0xF6);
    EXPECT_EQ(fireKeyCode(61), 0);
    EXPECT_EQ(fireKeyText(61), "");
    EXPECT_EQ(fireKeyCode(static_cast<std::size_t>(-1)), 0);
}

TEST(KeyLists, MultimediaList) {
    ASSERT_EQ(mediaList().size(), 7u);
    EXPECT_EQ(mediaText(0), "Next");
    EXPECT_EQ(mediaUsage(0), 0xB5);
    EXPECT_EQ(mediaUsage(3), 0xCD);
    EXPECT_EQ(mediaText(6), "Vol-");
    EXPECT_EQ(mediaUsage(6), 0xEA);
    EXPECT_EQ(mediaUsage(7), 0);
    EXPECT_EQ(mediaText(7), "");
}

TEST(KeyLists, LaunchListHighByteChangesAfterPositionThree) {
    ASSERT_EQ(launchList().size(), 11u);
    EXPECT_EQ(launchText(0), "Multimedia Player");
    EXPECT_EQ(launchUsageLow(0), 0x83);
    EXPECT_EQ(launchUsageHigh(0), 1);
    EXPECT_EQ(launchText(3), "My Computer");
    EXPECT_EQ(launchUsageLow(3), 0x94);
    EXPECT_EQ(launchUsageHigh(3), 1);
    EXPECT_EQ(launchText(4), "Browser-Search");
    EXPECT_EQ(launchUsageLow(4), 0x21);
    EXPECT_EQ(launchUsageHigh(4), 2);
    EXPECT_EQ(launchText(10), "Browser-My Favorites");
    EXPECT_EQ(launchUsageLow(10), 0x2A);
    EXPECT_EQ(launchUsageHigh(10), 2);
    EXPECT_EQ(launchUsageLow(11), 0);
    EXPECT_EQ(launchUsageHigh(11), 0);
    EXPECT_EQ(launchText(11), "");
}

TEST(KeyLists, DpiSwitchList) {
    ASSERT_EQ(dpiSwitchList().size(), 3u);
    EXPECT_EQ(dpiSwitchText(0), "DPI +");
    EXPECT_EQ(dpiSwitchAction(0), 1);
    EXPECT_EQ(dpiSwitchText(1), "DPI -");
    EXPECT_EQ(dpiSwitchAction(1), 2);
    EXPECT_EQ(dpiSwitchText(2), "DPI Loop");
    EXPECT_EQ(dpiSwitchAction(2), 3);
    EXPECT_EQ(dpiSwitchAction(3), 0);
    EXPECT_EQ(dpiSwitchText(3), "");
}

} // namespace
} // namespace pelmora
