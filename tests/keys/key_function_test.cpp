#include "keys/key_function.h"
#include "keys/key_lists.h"
#include "keys/key_tables.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pelmora {
namespace {

// A key block whose parameter arrays all hold different values, so an
// encoding that reads the wrong array or the wrong button shows.
KeyBlock distinctBlock() {
    KeyBlock block{};
    auto fill = [](ButtonBytes& bytes, std::uint8_t base) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            bytes[b] = static_cast<std::uint8_t>(base + b);
        }
    };
    fill(block.mediaChoice, 0x10);
    fill(block.mediaCode, 0x20);
    fill(block.launchChoice, 0x30);
    fill(block.launchUsageLow, 0x40);
    fill(block.launchUsageHigh, 0x50);
    fill(block.fireKeyChoice, 0x60);
    fill(block.fireKeyCode, 0x70);
    fill(block.fireKeyParam2, 0x80);
    fill(block.fireKeyParam3, 0x90);
    fill(block.singleKeyCode, 0xA0);
    fill(block.comboModifier, 0xB0);
    fill(block.comboKey1, 0xC0);
    fill(block.comboKey2, 0xD0);
    fill(block.macroNumber, 0x00);
    fill(block.macroLoopMode, 0xE0);
    return block;
}

TEST(EncodeKeyFunction, EveryFunctionIndexOnButtonTwo) {
    const KeyBlock block = distinctBlock();
    const ButtonBytes dpi{0xF9, 0xFA, 0x02, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};
    const std::size_t b = 2;
    const struct {
        std::uint8_t index;
        KeyFunctionCode code;
    } cases[] = {
        {0, keyCode(0x01, 0x00, 0xF0, 0x00)},
        {1, keyCode(0x01, 0x00, 0xF1, 0x00)},
        {2, keyCode(0x01, 0x00, 0xF2, 0x00)},
        {3, keyCode(0x01, 0x00, 0xF4, 0x00)},
        {4, keyCode(0x01, 0x00, 0xF3, 0x00)},
        {5, 0x0320F00Au},
        {6, keyCode(0x07, 0x00, 0x02, 0x00)},
        {7, keyCode(0x08, 0x00, 0x03, 0x00)},
        {8, keyCode(0x03, 0x00, 0x42, 0x52)},
        {9, keyCode(0x03, 0x00, 0x22, 0x00)},
        {10, keyCode(0x0A, 0x72, 0x82, 0x92)},
        {11, keyCode(0x00, 0x00, 0xA2, 0x00)},
        {12, keyCode(0x00, 0xB2, 0xC2, 0xD2)},
        {13, keyCode(0x09, 0xE2, 0x03, 0x00)},
        {14, keyCode(0x08, 0x00, 0x02, 0x00)},
        {15, 0u},
        {16, 0u},
        {255, 0u},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeKeyFunction(c.index, block, dpi, b), c.code)
            << "function index " << int(c.index);
    }
}

TEST(EncodeKeyFunction, ButtonOutsideTheMouseGivesTheEmptyEntry) {
    const KeyBlock block = distinctBlock();
    const ButtonBytes dpi{};
    EXPECT_EQ(encodeKeyFunction(12, block, dpi, 8), 0u);
    EXPECT_EQ(encodeKeyFunction(0, block, dpi, 100), 0u);
}

TEST(EncodeKeyFunction, ConsumerAndMacroExamples) {
    KeyBlock block{};
    const ButtonBytes dpi{};
    block.mediaCode[0] = mediaUsage(6); // "Vol-"
    EXPECT_EQ(encodeKeyFunction(9, block, dpi, 0), keyCode(0x03, 0x00, 0xEA, 0x00));
    block.launchUsageLow[1] = launchUsageLow(10); // "Browser-My Favorites"
    block.launchUsageHigh[1] = launchUsageHigh(10);
    EXPECT_EQ(encodeKeyFunction(8, block, dpi, 1), keyCode(0x03, 0x00, 0x2A, 0x02));
    // Macro 0 with the dialog's loop mode 3, kept as 2: sent as 09 02 01 00.
    block.macroNumber[2] = 0;
    block.macroLoopMode[2] = 2;
    EXPECT_EQ(encodeKeyFunction(13, block, dpi, 2), keyCode(0x09, 0x02, 0x01, 0x00));
    block.macroNumber[2] = 11;
    EXPECT_EQ(encodeKeyFunction(13, block, dpi, 2), keyCode(0x09, 0x02, 0x0C, 0x00));
}

TEST(BuildKeyMatrices, ModesGoToMatricesOneAndThreeWithButtonsThreeAndFourSwapped) {
    SettingsBlock s{};
    s.keyBlockA.keyFunction = {5, 1, 2, 3, 4, 6, 15, 0};
    s.dpiSwitchParamA[5] = 3;
    s.keyBlockB.keyFunction = {1, 0, 7, 3, 4, 14, 0, 2};
    const KeyMatrices m = buildKeyMatrices(s);

    EXPECT_EQ(m[0][0], 0x0320F00Au); // Triple-click on button 0 of mode A
    EXPECT_EQ(m[0][1], keyCode(0x01, 0, 0xF1, 0));
    EXPECT_EQ(m[0][2], keyCode(0x01, 0, 0xF2, 0));
    EXPECT_EQ(m[0][3], keyCode(0x01, 0, 0xF3, 0)); // button 4 "Backward"
    EXPECT_EQ(m[0][4], keyCode(0x01, 0, 0xF4, 0)); // button 3 "Forward"
    EXPECT_EQ(m[0][5], keyCode(0x07, 0, 3, 0));
    EXPECT_EQ(m[0][6], 0u);
    EXPECT_EQ(m[0][7], keyCode(0x01, 0, 0xF0, 0));

    EXPECT_EQ(m[2][0], keyCode(0x01, 0, 0xF1, 0));
    EXPECT_EQ(m[2][2], keyCode(0x08, 0, 3, 0));
    EXPECT_EQ(m[2][4], keyCode(0x01, 0, 0xF4, 0)); // "Forward" on button 3 of mode B
    EXPECT_EQ(m[2][3], keyCode(0x01, 0, 0xF3, 0)); // "Backward" on button 4 of mode B
    EXPECT_EQ(m[2][5], keyCode(0x08, 0, 2, 0));
    EXPECT_EQ(m[2][7], keyCode(0x01, 0, 0xF2, 0));
}

TEST(BuildKeyMatrices, ModeBUsesItsOwnParameters) {
    SettingsBlock s{};
    s.keyBlockA.keyFunction.fill(6);
    s.keyBlockB.keyFunction.fill(6);
    s.dpiSwitchParamA.fill(1);
    s.dpiSwitchParamB.fill(2);
    s.keyBlockA.keyFunction[0] = 11;
    s.keyBlockA.singleKeyCode[0] = 0x04;
    s.keyBlockB.keyFunction[0] = 11;
    s.keyBlockB.singleKeyCode[0] = 0x05;
    const KeyMatrices m = buildKeyMatrices(s);
    EXPECT_EQ(m[0][0], keyCode(0, 0, 0x04, 0));
    EXPECT_EQ(m[2][0], keyCode(0, 0, 0x05, 0));
    EXPECT_EQ(m[0][1], keyCode(0x07, 0, 1, 0));
    EXPECT_EQ(m[2][1], keyCode(0x07, 0, 2, 0));
}

// Whatever the settings hold, the fixed parts of the matrices stay as they are.
TEST(BuildKeyMatrices, FixedSlotsAndUnusedMatricesWhateverTheSettings) {
    for (std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0x0D}, std::uint8_t{0xFF}}) {
        SettingsBlock s{};
        for (auto& byte : s.bytes()) {
            byte = fill;
        }
        const KeyMatrices m = buildKeyMatrices(s);
        for (std::size_t matrix : {0u, 2u}) {
            for (std::size_t slot = 8; slot < 14; ++slot) {
                EXPECT_EQ(m[matrix][slot], 0u) << "matrix " << matrix + 1 << " slot " << slot;
            }
            EXPECT_EQ(m[matrix][14], keyCode(0x01, 0x00, 0xF7, 0x00));
            EXPECT_EQ(m[matrix][15], keyCode(0x01, 0x00, 0xF8, 0x00));
        }
        for (std::size_t matrix : {1u, 3u}) {
            for (KeyFunctionCode code : m[matrix]) {
                EXPECT_EQ(code, 0u) << "matrix " << matrix + 1;
            }
        }
    }
}

TEST(BuildKeyMatrices, WireBytesPutTheTypeFirst) {
    SettingsBlock s{};
    s.keyBlockA.keyFunction[0] = 5;
    const auto wire = matrixWireBytes(buildKeyMatrices(s)[0]);
    EXPECT_EQ(wire[0], 0x0A);
    EXPECT_EQ(wire[1], 0xF0);
    EXPECT_EQ(wire[2], 0x20);
    EXPECT_EQ(wire[3], 0x03);
    EXPECT_EQ(wire[4 * 14 + 2], 0xF7);
}

} // namespace
} // namespace pelmora
