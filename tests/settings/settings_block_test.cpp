#include "settings/settings_block.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace pelmora {
namespace {

TEST(SettingsBlock, FieldsAndFileBytesAreTheSameStorage) {
    SettingsBlock s{};
    s.keyBlockA.keyFunction[0] = 0x11;
    s.reserved080[4] = 0x22;
    s.reportInterval = 8;
    s.dpiColour[3][2] = 0x33;
    s.macroData[11][127] = 0x44;
    s.keyMode = 1;
    s.keyBlockB.mediaChoice[0] = 0x55;
    s.keyBlockB.macroLoopMode[7] = 0x66;
    s.dpiSwitchParamB[7] = 0x77;

    const auto bytes = s.bytes();
    ASSERT_EQ(bytes.size(), 1849u);
    EXPECT_EQ(bytes[0x000], 0x11);
    EXPECT_EQ(bytes[0x084], 0x22);
    EXPECT_EQ(bytes[0x085], 8);
    EXPECT_EQ(bytes[0x09A], 0x33);
    EXPECT_EQ(bytes[0x6A2], 0x44);
    EXPECT_EQ(bytes[0x6A8], 1);
    EXPECT_EQ(bytes[0x6B1], 0x55);
    EXPECT_EQ(bytes[0x728], 0x66);
    EXPECT_EQ(bytes[0x738], 0x77);

    // Bytes written as a file image come back as the fields, every one of them.
    SettingsBlock copy{};
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        copy.bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    EXPECT_EQ(copy.keyBlockA.keyFunction[1], 10);
    EXPECT_EQ(copy.reserved086, static_cast<std::uint8_t>(0x086 * 7 + 3));
    EXPECT_EQ(copy.reserved0A2, static_cast<std::uint8_t>(0x0A2 * 7 + 3));
    EXPECT_EQ(copy.keyBlock(KeyMode::B).keyFunction[0], static_cast<std::uint8_t>(0x6A9 * 7 + 3));
    EXPECT_EQ(copy.dpiSwitchParam(KeyMode::A)[0], static_cast<std::uint8_t>(0x729 * 7 + 3));
    SettingsBlock again{};
    std::copy(copy.bytes().begin(), copy.bytes().end(), again.bytes().begin());
    EXPECT_EQ(again, copy);
}

TEST(SettingsBlock, KeyModesAreIndependent) {
    SettingsBlock s{};
    s.keyBlock(KeyMode::B).keyFunction[2] = 9;
    s.keyBlock(KeyMode::B).comboKey2[7] = 0x2B;
    s.dpiSwitchParam(KeyMode::B)[5] = 2;
    EXPECT_EQ(s.keyBlockA.keyFunction[2], 0);
    EXPECT_EQ(s.keyBlockA.comboKey2[7], 0);
    EXPECT_EQ(s.dpiSwitchParamA[5], 0);
    EXPECT_EQ(s.keyBlockB.keyFunction[2], 9);
    EXPECT_EQ(s.dpiSwitchParamB[5], 2);

    s.keyBlock(KeyMode::A).keyFunction[2] = 4;
    EXPECT_EQ(s.keyBlockB.keyFunction[2], 9);
    EXPECT_EQ(&s.keyBlock(KeyMode::A), &s.keyBlockA);
    EXPECT_EQ(&s.keyBlock(KeyMode::B), &s.keyBlockB);
    const SettingsBlock& view = s;
    EXPECT_EQ(&view.keyBlock(KeyMode::B), &s.keyBlockB);
    EXPECT_EQ(&view.dpiSwitchParam(KeyMode::A), &s.dpiSwitchParamA);
}

TEST(SettingsBackup, SnapshotIsACopyAndUndoRestoresEveryByte) {
    SettingsBlock current{};
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        current.bytes()[i] = static_cast<std::uint8_t>(i);
    }
    const SettingsBlock original = current;
    SettingsBackup backup;
    backup.snapshot(current);

    current.keyBlockA.keyFunction[0] = 15;
    current.reserved080[0] = 0xEE;
    current.dpiSwitchParamB[7] = 0xEE;
    EXPECT_EQ(backup.block, original); // editing does not reach the backup

    backup.undo(current);
    EXPECT_EQ(current, original);

    // A new snapshot replaces the old one.
    current.reportInterval = 2;
    backup.snapshot(current);
    current.reportInterval = 4;
    backup.undo(current);
    EXPECT_EQ(current.reportInterval, 2);
}

} // namespace
} // namespace pelmora
