#include "keys/key_assignment.h"
#include "keys/key_function.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

const ButtonBytes kNoDpi{};

TEST(KeyAssignment, CombinationCodesAndText) {
    KeyBlock block{};
    storeCombination(block, 1, "Left Ctrl", "A", "B");
    EXPECT_EQ(encodeKeyFunction(12, block, kNoDpi, 1), keyCode(0x00, 0x01, 0x04, 0x05));
    EXPECT_EQ(combinationText("Left Ctrl", "A", "B"), "Left Ctrl+A+B");
    EXPECT_EQ(combinationText("Left Ctrl", "", "B"), "Left Ctrl+B");

    storeCombination(block, 1, "Right Win", "", "Tab");
    EXPECT_EQ(encodeKeyFunction(12, block, kNoDpi, 1), keyCode(0x00, 0x80, 0x00, 0x2B));
    EXPECT_EQ(combinationText("Right Win", "", "Tab"), "Right Win+Tab");
}

TEST(KeyAssignment, NamesWithoutACodeAreLeftOut) {
    KeyBlock block{};
    storeCombination(block, 0, "Ctrl", "Foo", "a");
    EXPECT_EQ(encodeKeyFunction(12, block, kNoDpi, 0), 0u);
    EXPECT_EQ(combinationText("Ctrl", "Foo", "a"), "");
    EXPECT_EQ(combinationText("", "Num Enter", "Left Win"), "Num Enter");
    EXPECT_EQ(combinationText("Left Shift", "", ""), "Left Shift");
}

TEST(KeyAssignment, SingleKey) {
    KeyBlock block{};
    storeSingleKey(block, 7, "Num Del");
    EXPECT_EQ(encodeKeyFunction(11, block, kNoDpi, 7), keyCode(0, 0, 0x63, 0));
    storeSingleKey(block, 7, "Volume Up"); // not a key of the table: the button does nothing
    EXPECT_EQ(encodeKeyFunction(11, block, kNoDpi, 7), 0u);
}

TEST(KeyAssignment, LaunchChoiceHighByteRule) {
    KeyBlock block{};
    const struct {
        std::size_t position;
        std::uint8_t low, high;
    } cases[] = {{0, 0x83, 1}, {3, 0x94, 1}, {4, 0x21, 2}, {6, 0x24, 2}, {10, 0x2A, 2}, {11, 0, 0}};
    for (const auto& c : cases) {
        storeLaunchChoice(block, 4, c.position);
        EXPECT_EQ(block.launchChoice[4], c.position);
        EXPECT_EQ(block.launchUsageLow[4], c.low) << c.position;
        EXPECT_EQ(block.launchUsageHigh[4], c.high) << c.position;
        EXPECT_EQ(encodeKeyFunction(8, block, kNoDpi, 4), keyCode(0x03, 0, c.low, c.high));
    }
}

TEST(KeyAssignment, MediaFireKeyAndMacro) {
    KeyBlock block{};
    storeMediaChoice(block, 2, 1);
    EXPECT_EQ(block.mediaChoice[2], 1);
    EXPECT_EQ(encodeKeyFunction(9, block, kNoDpi, 2), keyCode(0x03, 0, 0xB6, 0));

    storeFireKey(block, 3, 39, 5, 0); // "R-CTRL", fastest, until released
    EXPECT_EQ(block.fireKeyChoice[3], 39);
    EXPECT_EQ(encodeKeyFunction(10, block, kNoDpi, 3), keyCode(0x0A, 0xE4, 5, 0));
    storeFireKey(block, 3, 0, 32, 1); // the dialog's initial values
    EXPECT_EQ(encodeKeyFunction(10, block, kNoDpi, 3), keyCode(0x0A, 0x04, 0x20, 0x01));

    storeMacro(block, 5, 0, 3);
    EXPECT_EQ(encodeKeyFunction(13, block, kNoDpi, 5), keyCode(0x09, 0x02, 0x01, 0x00));
    storeMacro(block, 5, 11, 1);
    EXPECT_EQ(encodeKeyFunction(13, block, kNoDpi, 5), keyCode(0x09, 0x00, 0x0C, 0x00));
    storeMacro(block, 5, 4, 0); // no loop choice: not wrapped round to 0xFF
    EXPECT_EQ(block.macroLoopMode[5], 0);
}

TEST(KeyAssignment, OnlyTheChosenButtonChangesAndOutOfRangeButtonsAreIgnored) {
    KeyBlock block{};
    storeCombination(block, 6, "Left Alt", "F4", "");
    storeLaunchChoice(block, 6, 2);
    KeyBlock expected{};
    expected.comboModifier[6] = 0x04;
    expected.comboKey1[6] = 0x3D;
    expected.launchChoice[6] = 2;
    expected.launchUsageLow[6] = 0x92;
    expected.launchUsageHigh[6] = 1;
    EXPECT_EQ(block, expected);

    storeSingleKey(block, 8, "A");
    storeCombination(block, 8, "Left Ctrl", "A", "B");
    storeLaunchChoice(block, 8, 1);
    storeMediaChoice(block, 8, 1);
    storeFireKey(block, 8, 1, 1, 1);
    storeMacro(block, 8, 1, 1);
    EXPECT_EQ(block, expected);
}

} // namespace
} // namespace pelmora
